#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Colours and type of the splash card, shared by the logo, the icons and the card.
namespace SplashStyle {

inline const QString FONT_FAMILY = QStringLiteral("Liberation Sans");

inline const QColor CARD_TOP(0x24, 0x31, 0x3e);
inline const QColor CARD_BOTTOM(0x1a, 0x23, 0x2d);
inline const QColor ACCENT(0xf2, 0x6a, 0x21);
inline const QColor ACCENT_LIGHT(0xf7, 0x93, 0x5a);
inline const QColor TEXT(0xf4, 0xf6, 0xf8);
inline const QColor TEXT_MUTED(0xc9, 0xd2, 0xdb);
inline const QColor DIVIDER(0xff, 0xff, 0xff, 0x24);
inline const QColor SEPARATOR(0xff, 0xff, 0xff, 0x0e);

inline QFont font(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont result(FONT_FAMILY);
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

} // namespace SplashStyle
