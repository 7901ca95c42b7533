#include "theme.h"

#include <QGuiApplication>
#include <QQmlPropertyMap>
#include <QScreen>

Theme::Screen Theme::Screen::current()
{
    Screen screen;
    // Without any screen (a headless session) the defaults keep every metric usable.
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen.dpi = primary->logicalDotsPerInch();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!screens.isEmpty())
        screen.availableSize = screens.first()->availableGeometry().size();
    return screen;
}

Theme::Theme(QObject* parent) : Theme(Screen::current(), parent) {}

Theme::Theme(const Screen& screen, QObject* parent)
    : QObject(parent), m_sizes(new QQmlPropertyMap(this)), m_fonts(new QQmlPropertyMap(this)),
      m_margin(new QQmlPropertyMap(this)), m_radii(new QQmlPropertyMap(this)),
      m_animDuration(new QQmlPropertyMap(this)), m_dpi(screen.dpi), m_clickableSize(m_dpi / 2.2),
      m_unit(m_clickableSize / 10), m_screenWidth(screen.availableSize.width()),
      m_screenHeight(screen.availableSize.height())
{
    fillSizes();
    fillFonts();
    fillMargin();
    fillRadii();
    fillAnimDuration();
}

void Theme::fillSizes()
{
    const qreal s = m_clickableSize;
    const qreal u = m_unit;
    m_sizes->insert(QStringLiteral("screenHeight"), m_screenHeight);
    m_sizes->insert(QStringLiteral("screenWidth"), m_screenWidth);
    m_sizes->insert(QStringLiteral("sidebarNavigation"), 6.4 * s);
    m_sizes->insert(QStringLiteral("eventGroupWidth"), 6 * s);
    m_sizes->insert(QStringLiteral("moduleConfigurationWidth"), 8 * s);
    m_sizes->insert(QStringLiteral("clickableSize"), s);
    m_sizes->insert(QStringLiteral("halfClickableSize"), 0.5 * s);
    m_sizes->insert(QStringLiteral("doubleClickableSize"), 2 * s);
    m_sizes->insert(QStringLiteral("tripleClickableSize"), 3 * s);
    m_sizes->insert(QStringLiteral("matrixModulesColumWidth"), 3.2 * s);
    m_sizes->insert(QStringLiteral("ledHeight"), 0.35 * s);
    m_sizes->insert(QStringLiteral("ledWidth"), 0.66 * s);
    m_sizes->insert(QStringLiteral("verticalModuleHeight"), 4 * s);
    m_sizes->insert(QStringLiteral("reportCoverSheetWidth"), 12.5 * s);
    m_sizes->insert(QStringLiteral("reportCoverSheetHeight"), 4 * u + 11 * s);
    m_sizes->insert(QStringLiteral("rangeMonthButtonHeight"), 0.7 * s);
    m_sizes->insert(QStringLiteral("contextMenuStandardWidth"), 7 * s);
    m_sizes->insert(QStringLiteral("eventGroupPopUpWidth"), 4 * u + 6 * s);
    m_sizes->insert(QStringLiteral("statusBoxHeight"), 4 * u + 3.5 * s);
}

void Theme::fillFonts()
{
    const qreal u = m_unit;
    m_fonts->insert(QStringLiteral("four_pt"), 1.6 * u);
    m_fonts->insert(QStringLiteral("five_pt"), 2 * u);
    m_fonts->insert(QStringLiteral("six_pt"), 2.4 * u);
    m_fonts->insert(QStringLiteral("seven_pt"), 2.8 * u);
    m_fonts->insert(QStringLiteral("eight_pt"), 3.2 * u);
    m_fonts->insert(QStringLiteral("ten_pt"), 4 * u);
    m_fonts->insert(QStringLiteral("twelve_pt"), 4.8 * u);
    m_fonts->insert(QStringLiteral("family"), QStringLiteral("Arial"));
}

void Theme::fillMargin()
{
    static const char* const units[] = {"one", "two",   "three", "four", "five",
                                        "six", "seven", "eight", "nine"};
    for (int i = 0; i < 9; ++i)
        m_margin->insert(QString::fromLatin1(units[i]), (i + 1) * m_unit);
    m_margin->insert(QStringLiteral("ten"), m_clickableSize);
    m_margin->insert(QStringLiteral("led"), 0.17 * m_clickableSize);
    m_margin->insert(QStringLiteral("ledBig"), 0.8 * m_clickableSize);
    m_margin->insert(QStringLiteral("ledLabel"), 2.04 * m_clickableSize);
    m_margin->insert(QStringLiteral("defaultPadding"), 1.5 * m_unit);
}

void Theme::fillRadii()
{
    m_radii->insert(QStringLiteral("ten"), m_unit);
    m_radii->insert(QStringLiteral("module"), 25);
}

void Theme::fillAnimDuration()
{
    m_animDuration->insert(QStringLiteral("full"), m_animFull);
    m_animDuration->insert(QStringLiteral("half"), m_animHalf);
    m_animDuration->insert(QStringLiteral("slow"), m_animSlow);
}
