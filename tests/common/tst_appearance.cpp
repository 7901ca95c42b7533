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
#include <QtTest>

namespace {

// "key=value" in insertion order; doubles with two decimals, so the value's type shows too.
QString describe(const QQmlPropertyMap* map)
{
    QStringList entries;
    for (const QString& key : map->keys()) {
        const QVariant value = map->value(key);
        const QString text = value.typeId() == QMetaType::Double
                                 ? QString::number(value.toDouble(), 'f', 2)
                                 : value.toString();
        entries << key + QLatin1Char('=') + text;
    }
    return entries.join(QLatin1Char(' '));
}

QQmlPropertyMap* mapOf(const Theme& theme, const QString& name)
{
    const QHash<QString, QQmlPropertyMap*> maps{{"sizes", theme.sizes()},
                                                {"fonts", theme.fonts()},
                                                {"margin", theme.margin()},
                                                {"radii", theme.radii()},
                                                {"animDuration", theme.animDuration()}};
    return maps.value(name);
}

QString describe(const Colors& palette)
{
    QStringList entries;
    const QMetaObject* meta = palette.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        entries << QString::fromLatin1(property.name()) + QLatin1Char('=') +
                       property.read(&palette).toString();
    }
    return entries.join(QLatin1Char(' '));
}

const QString LIGHT_PALETTE = QStringLiteral(
    "PRIMARY=#0769B3 SECONDARY=#9DC4E1 PRIMARY_SHEV_COLOR=#D6036E "
    "SECONDARY_SHEV_COLOR=#EE9CC6 PRIMARY_WEATHER_COLOR=#0769B3 SECONDARY_WEATHER_COLOR=#9DC4E1 "
    "PRIMARY_VENT_COLOR=#009D94 SECONDARY_VENT_COLOR=#9BD8D5 PRIMARY_NOTIFICATION_COLOR=#C7D42D "
    "SECONDARY_NOTIFICATION_COLOR=#E9EEAE PRIMARY_KNX_COLOR=#0769B3 SECONDARY_KNX_COLOR=#9DC4E1 "
    "TRANSPARENT=transparent LIGHTGREY=#EEEEEE MEDIUMLIGHTGREY=#C1C1C1 MEDIUMGREY=#A9A9A9 "
    "MEDIUMDARKGREY=#8C8C8C DARKGREY=#646363 RED=#FF0000 SIDEBAR_COLOR=#464440 "
    "CONTENT_BACKGROUND_COLOR=#FFFFFF PARTING_LINE_COLOR=#464440 BUTTON_COLOR=#0769B3 "
    "BUTTON_TEXT_COLOR=#FFFFFF TITLE_COLOR=#000000 DISABLED_COLOR=#C2C1C1 "
    "FOLDINGBOX_BORDER=#FFFFFF ZID_ORANGE=#E8731C SELECTED_TEXT_COLOR=#FFFFFF "
    "DESELECTED_TEXT_COLOR=#9DC4E1 HOVER_HIGHLIGHT=#E4F2FF STATUSBOX=#646363 "
    "PLUGIN_BUTTON_NOTIFY=#9DC4E1 MODULE_TEXT=#FFFFFF");

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void metrics_data();
    void metrics();
    void palette_data();
    void palette();
    void startupPublishesToQml();

private:
    TestEnvironment m_environment;
};

void TestAppearance::cleanup()
{
    Colors(false); // the mode is process-wide
}

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
    const QQmlPropertyMap* map96 = mapOf(normal, map);
    const QQmlPropertyMap* map192 = mapOf(doubled, map);
    QCOMPARE(describe(map96), at96dpi);

    // Twice the dpi: every length and font size doubles, nothing else changes.
    QCOMPARE(map192->keys(), map96->keys());
    for (const QString& key : map96->keys()) {
        const QVariant value = map96->value(key);
        const QVariant expected =
            value.typeId() == QMetaType::Double ? QVariant(2 * value.toDouble()) : value;
        QCOMPARE(map192->value(key), expected);
    }
    QCOMPARE(mapOf(normal, "sizes")->value("clickableSize").toDouble(), 96 / 2.2);
    QCOMPARE(mapOf(normal, "fonts")->value("five_pt"), mapOf(normal, "margin")->value("two"));
}

void TestAppearance::palette_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("expected");

    QTest::newRow("light") << false << LIGHT_PALETTE;
    QString dark = LIGHT_PALETTE;
    dark.replace("LIGHTGREY=#EEEEEE", "LIGHTGREY=#A9A9A9")
        .replace("CONTENT_BACKGROUND_COLOR=#FFFFFF", "CONTENT_BACKGROUND_COLOR=#2C2C2C")
        .replace("TITLE_COLOR=#000000", "TITLE_COLOR=#FFFFFF")
        .replace("FOLDINGBOX_BORDER=#FFFFFF", "FOLDINGBOX_BORDER=#000000")
        .replace("SELECTED_TEXT_COLOR=#FFFFFF", "SELECTED_TEXT_COLOR=#000000");
    QTest::newRow("dark") << true << dark;
}

void TestAppearance::palette()
{
    QFETCH(bool, dark);
    QFETCH(QString, expected);

    const Colors published(dark);
    const Colors other; // made later elsewhere, e.g. by the message list
    const QMetaObject* meta = published.metaObject();
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 34);
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        QVERIFY(meta->property(i).isConstant() && !meta->property(i).isWritable());
    QCOMPARE(describe(published), expected);
    QCOMPARE(describe(other), expected);
}

void TestAppearance::startupPublishesToQml()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    TypeRegistration::registerTypes();
    QQmlEngine engine;
    MessageListModel messages;
    MessageFilterProxyModel messageModel;
    messageModel.setSourceModel(&messages);
    messages.addMessage(QStringLiteral("Loading configuration"), Message::INFO);
    messages.addMessage(QStringLiteral("Download failed"), Message::ERROR);
    Theme theme;
    Colors globalColors(true);
    // The controller publishes the message model and registers MessageFlags.
    engine.rootContext()->setContextProperty(QStringLiteral("messageModel"), &messageModel);
    qmlRegisterType<Message>("MessageFlags", 1, 0, "MessageFlags");
    ContextProperties::publish(
        engine.rootContext(),
        {&theme, nullptr, nullptr, &globalColors, nullptr, ProductManager::instance(), true, true});

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
                      QUrl(QStringLiteral("qrc:/appearance.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));

    const QVariantList values = object->property("values").toList();
    QStringList texts;
    for (const QVariant& value : values.mid(1))
        texts << value.toString();
    QCOMPARE(values.value(0).toDouble(),
             QGuiApplication::primaryScreen()->logicalDotsPerInch() / 2.2);
    QCOMPARE(texts, (QStringList{"#0769B3", "#2C2C2C", "2.1.0", "Quillmark 2.1.0.39 - 05.02.2024",
                                 "Arial", "25", "150", "true", "1"}));
    QCOMPARE(messageModel.flag(), Message::ERROR);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
