#pragma once

#include <QObject>
#include <QSize>

class QQmlPropertyMap;

// Lengths, font sizes, radii and durations for every screen, derived once from the screen the
// application starts on, so that a clickable square has the same physical size everywhere.
class Theme : public QObject
{
    Q_OBJECT

public:
    // What the metrics are derived from.
    struct Screen
    {
        qreal dpi = 96.0;        // logical dots per inch of the primary screen
        QSize availableSize;     // first screen without the task bars
        static Screen current(); // read from the running application
    };

    explicit Theme(QObject* parent = nullptr);
    explicit Theme(const Screen& screen, QObject* parent = nullptr);

    QQmlPropertyMap* sizes() const { return m_sizes; }
    QQmlPropertyMap* fonts() const { return m_fonts; }
    QQmlPropertyMap* margin() const { return m_margin; }
    QQmlPropertyMap* radii() const { return m_radii; }
    QQmlPropertyMap* animDuration() const { return m_animDuration; }

private:
    void fillSizes();
    void fillFonts();
    void fillMargin();
    void fillRadii();
    void fillAnimDuration();

    QQmlPropertyMap* m_sizes;
    QQmlPropertyMap* m_fonts;
    QQmlPropertyMap* m_margin;
    QQmlPropertyMap* m_radii;
    QQmlPropertyMap* m_animDuration;

    qreal m_dpi;
    qreal m_clickableSize; // S: the side of a comfortably clickable square
    qreal m_unit;          // U = S / 10
    int m_screenWidth;
    int m_screenHeight;
    int m_animFull = 200;
    int m_animHalf = 150;
    int m_animSlow = 250;
};
