#include "colors.h"
#include "contextproperties.h"
#include "messagefilterproxymodel.h"
#include "messagelistmodel.h"
#include "productmanager.h"
#include "testenvironment.h"
#include "theme.h"
#include "typeregistration.h"

#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QRegularExpression>
#include <QtTest>

namespace {

// "key=value" in insertion order; doubles with two decimals, so the value's type shows too.
QString describe(const QQmlPropertyMap* map, qreal scale = 1)
{
    QStringList entries;
    for (const QString& key : map->keys()) {
        const QVariant value = map->value(key);
        entries << key + '=' +
                       (value.typeId() == QMetaType::Double
                            ? QString::number(value.toDouble() / scale, 'f', 2)
                            : value.toString());
    }
    return entries.join(' ');
}

QQmlPropertyMap* mapOf(const Theme& theme, const QString& name)
{
    return QHash<QString, QQmlPropertyMap*>{{"sizes", theme.sizes()},
                                            {"fonts", theme.fonts()},
                                            {"margin", theme.margin()},
                                            {"radii", theme.radii()},
                                            {"animDuration", theme.animDuration()}}
        .value(name);
}

// "NAME=colour" for every property of the palette, all of them constant.
QStringList entries(const Colors& palette)
{
    QStringList entries;
    const QMetaObject* meta = palette.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isConstant() && !property.isWritable())
            entries << QString::fromLatin1(property.name()) + '=' +
                           property.read(&palette).toString();
    }
    return entries;
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Colors(false); } // the mode is process-wide
    void metrics_data();
    void metrics();
    void palette_data();
    void palette();
    void startupPublishesToQml();

private:
    TestEnvironment m_environment;
};

void TestAppearance::metrics_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("at96dpi");

    QTest::newRow("sizes") << "sizes"
                           << "screenHeight=1040 screenWidth=1920 sidebarNavigation=279.27 "
                              "eventGroupWidth=261.82 moduleConfigurationWidth=349.09 "
                              "clickableSize=43.64 halfClickableSize=21.82 "
                              "doubleClickableSize=87.27 tripleClickableSize=130.91 "
                              "matrixModulesColumWidth=139.64 ledHeight=15.27 ledWidth=28.80 "
                              "verticalModuleHeight=174.55 reportCoverSheetWidth=545.45 "
                              "reportCoverSheetHeight=497.45 rangeMonthButtonHeight=30.55 "
                              "contextMenuStandardWidth=305.45 eventGroupPopUpWidth=279.27 "
                              "statusBoxHeight=170.18";
    QTest::newRow("fonts") << "fonts"
                           << "four_pt=6.98 five_pt=8.73 six_pt=10.47 seven_pt=12.22 "
                              "eight_pt=13.96 ten_pt=17.45 twelve_pt=20.95 family=Arial";
    QTest::newRow("margin") << "margin"
                            << "one=4.36 two=8.73 three=13.09 four=17.45 five=21.82 six=26.18 "
                               "seven=30.55 eight=34.91 nine=39.27 ten=43.64 led=7.42 "
                               "ledBig=34.91 ledLabel=89.02 defaultPadding=6.55";
    QTest::newRow("radii") << "radii"
                           << "ten=4.36 module=25";
    QTest::newRow("animDuration") << "animDuration"
                                  << "full=200 half=150 slow=250";
}

void TestAppearance::metrics()
{
    QFETCH(QString, map);
    QFETCH(QString, at96dpi);

    const Theme normal(Theme::Screen{96, QSize(1920, 1040)});
    const Theme doubled(Theme::Screen{192, QSize(1920, 1040)});
    QCOMPARE(describe(mapOf(normal, map)), at96dpi);
    // Twice the dpi: every length and font size doubles, nothing else changes.
    QCOMPARE(describe(mapOf(doubled, map), 2), at96dpi);
    QCOMPARE(normal.sizes()->value("clickableSize").toDouble(), 96 / 2.2);
    QCOMPARE(normal.fonts()->value("five_pt"), normal.margin()->value("two"));
}

void TestAppearance::palette_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("modeDependent");

    QTest::newRow("light") << false
                           << "LIGHTGREY=#EEEEEE CONTENT_BACKGROUND_COLOR=#FFFFFF "
                              "TITLE_COLOR=#000000 FOLDINGBOX_BORDER=#FFFFFF "
                              "SELECTED_TEXT_COLOR=#FFFFFF";
    QTest::newRow("dark") << true
                          << "LIGHTGREY=#A9A9A9 CONTENT_BACKGROUND_COLOR=#2C2C2C "
                             "TITLE_COLOR=#FFFFFF FOLDINGBOX_BORDER=#000000 "
                             "SELECTED_TEXT_COLOR=#000000";
}

// The palette the start-up publishes and one made later elsewhere (as the message list does)
// agree; the modes differ in five colours only.
void TestAppearance::palette()
{
    QFETCH(bool, dark);
    QFETCH(QString, modeDependent);

    const Colors published(dark);
    const Colors later;
    const QStringList colors = entries(published);
    QCOMPARE(colors.size(), 34);
    QCOMPARE(entries(later), colors);
    QCOMPARE(published.PRIMARY(), "#0769B3");
    Colors(!dark);
    const QStringList otherMode = entries(published);
    QStringList differing;
    for (const QString& entry : colors) {
        QVERIFY(QRegularExpression("=(#[0-9A-F]{6}|transparent)$").match(entry).hasMatch());
        if (!otherMode.contains(entry))
            differing << entry;
    }
    QCOMPARE(differing.join(' '), modeDependent);
}

void TestAppearance::startupPublishesToQml()
{
    QTest::failOnWarning(QRegularExpression(".*"));
    TypeRegistration::registerTypes();
    QQmlEngine engine;
    MessageListModel messages;
    MessageFilterProxyModel messageModel;
    messageModel.setSourceModel(&messages);
    messages.addMessage("Loading configuration", Message::INFO);
    messages.addMessage("Download failed", Message::ERROR);
    Theme theme;
    Colors globalColors(true);
    ContextProperties::publish(engine.rootContext(), {&messageModel, &theme, &globalColors,
                                                      ProductManager::instance(), true, true});

    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml
        import MessageFlags 1.0
        QtObject {
            property var values: [sizes.clickableSize, globalColors.PRIMARY,
                                  globalColors.CONTENT_BACKGROUND_COLOR, versionnumber,
                                  appName + " " + versionnumber + "." + buildnumber + " - "
                                  + builddate, fonts.family, radii.module, animDuration.half,
                                  fonts.nine_pt === undefined, visibleErrors()]
            function visibleErrors() {
                messageModel.flag = MessageFlags.ERROR
                return messageModel.rowCount()
            }
        }
    )",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));

    QStringList values;
    for (const QVariant& value : object->property("values").toList())
        values << value.toString();
    QCOMPARE(values.takeFirst().toDouble(),
             QGuiApplication::primaryScreen()->logicalDotsPerInch() / 2.2);
    QCOMPARE(values, (QStringList{"#0769B3", "#2C2C2C", "2.1.0", "Quillmark 2.1.0.39 - 05.02.2024",
                                  "Arial", "25", "150", "true", "1"}));
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
