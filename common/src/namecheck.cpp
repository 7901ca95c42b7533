#include "namecheck.h"

#include <QStringList>

namespace NameCheck {
namespace {

bool isHidden(QChar character)
{
    const QChar::Category category = character.category();
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

// Invisible characters are refused as well: a direction override or a zero-width character
// would let a name pass for another one.
bool isForbiddenCharacter(QChar character)
{
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*%#");
    return forbidden.contains(character) || character.unicode() < 0x20 || isHidden(character);
}

// Windows maps these stems to devices whatever extension follows them.
bool isReservedDeviceName(const QString& name)
{
    static const QStringList devices = [] {
        QStringList names{QStringLiteral("CON"),    QStringLiteral("PRN"),
                          QStringLiteral("AUX"),    QStringLiteral("NUL"),
                          QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
        for (const QString& port : {QStringLiteral("COM"), QStringLiteral("LPT")}) {
            for (const QChar digit : QStringLiteral("0123456789\u00b9\u00b2\u00b3"))
                names.append(port + digit);
        }
        return names;
    }();
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed();
    return devices.contains(stem, Qt::CaseInsensitive);
}

} // namespace

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar character : name) {
        if (isForbiddenCharacter(character))
            return false;
    }
    return !isReservedDeviceName(name);
}

QString escapeHidden(const QString& text)
{
    QString escaped;
    for (const QChar character : text) {
        if (isHidden(character))
            escaped += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += character;
    }
    return escaped;
}

QString printable(const QString& name)
{
    constexpr qsizetype MAX_LENGTH = 80;
    if (name.size() <= MAX_LENGTH)
        return escapeHidden(name);
    return escapeHidden(name.left(MAX_LENGTH)) + QStringLiteral("...");
}

bool isVersionName(const QString& version)
{
    return isPlainFileName(QString(version).replace(QLatin1Char('.'), QLatin1Char('_')));
}

} // namespace NameCheck
