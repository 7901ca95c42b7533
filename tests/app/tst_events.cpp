#include "message.h"
#include "typeregistration.h"
#include "xevents.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

class TestEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TypeRegistration::registerTypes(); }
    void enumeratorValues_data();
    void enumeratorValues();
    void metaTypeAliases();
    void qmlReadsTheValues();
    void qmlReadsProductValues();
    void messageWithParentOnly();
    void messageCopyAndSetMessage();
};

void TestEvents::enumeratorValues_data()
{
    // Row name: the enumeration; data: its enumerators in the order of their values from 0.
    QTest::addColumn<QString>("enumerators");

    // The vocabulary as separately built plug-ins know it: every value is a contract.
    QTest::newRow("XEvents::ProcessTypes")
        << "CONNECTION CONFIGURATION_LOADED CONTROLUNIT_CONSTRUCTION_DIFFERENT CONTROL_UNIT_FOUND "
           "RESTORE_BACKUP FORMAT MAINTENANCE SYSTEMTIME REPORT_META STARTUP_INFO REPORT BUS_SCAN";
    QTest::newRow("XEvents::ProcessStates")
        << "ERROR INTERRUPTED FINISHED LOADING_FINISHED NEARLY_FINISHED NONE";
    QTest::newRow("XEvents::MessageTypes")
        << "STATUS_INFO_MESSAGE STATUS_ERROR_MESSAGE INFO_MESSAGE HINT_MESSAGE WARNING_MESSAGE "
           "ERROR_MESSAGE";
    QTest::newRow("XEvents::MessageActionTypes")
        << "OK CANCEL EXIT FW_UPDATE RESTART_DEVICE FORMAT_FILE_SYSTEM FACTORY_RESET "
           "DEVICE_REMOVED_NOTIFY UPDATE_NEXT_MODULE LOAD_OK LOAD_CANCEL DELETE_PLUGIN SAVE "
           "SAVE_CAN SAVE_TO_FILE SAVE_WIFI_SETTINGS SAVE_PDF RESTORE_SINGLE_BACKUP";
    QTest::newRow("XEvents::UiStatus")
        << "SAVING SAVED SAVING_FAILED LOADING LOADED SAVING_TO_FILE_SUCCESS SAVING_TO_FILE_FAIL "
           "REPORT_FINISHED REPORT_FAILED PASSWORD_DELETED VIRTUAL_DEVICE_DELETED "
           "BUS_SCAN_STARTED BUS_SCAN_FINISHED";
    QTest::newRow("Message::MessageFlags") << "NONE INFO ERROR";
}

void TestEvents::enumeratorValues()
{
    QFETCH(QString, enumerators);

    const QList<QByteArray> tag = QByteArray(QTest::currentDataTag()).split(':');
    const QMetaObject& metaObject =
        tag.first() == "Message" ? Message::staticMetaObject : XEvents::staticMetaObject;
    const QMetaEnum meta = metaObject.enumerator(metaObject.indexOfEnumerator(tag.last()));
    QVERIFY(meta.isValid());
    QVERIFY(!meta.isFlag());
    QVERIFY(!meta.isScoped());
    QStringList actual, expected;
    for (int i = 0; i < meta.keyCount(); ++i)
        actual << QStringLiteral("%1=%2").arg(QLatin1String(meta.key(i))).arg(meta.value(i));
    for (const QString& name : enumerators.split(QLatin1Char(' ')))
        expected << QStringLiteral("%1=%2").arg(name).arg(expected.size());
    QCOMPARE(actual, expected);
    // Nothing beyond the five enumerations of the vocabulary, and one on the message.
    QCOMPARE(XEvents::staticMetaObject.enumeratorCount(), 5);
    QCOMPARE(Message::staticMetaObject.enumeratorCount(), 1);
}

void TestEvents::metaTypeAliases()
{
    const QList<std::pair<const char*, QMetaType>> aliases{
        {"XEvents::ProcessTypes", QMetaType::fromType<XEvents::ProcessTypes>()},
        {"XEvents::MessageTypes", QMetaType::fromType<XEvents::MessageTypes>()},
        {"XEvents::MessageActionTypes", QMetaType::fromType<XEvents::MessageActionTypes>()},
        {"XEvents::UiStatus", QMetaType::fromType<XEvents::UiStatus>()}};
    for (const auto& [alias, type] : aliases) {
        const QMetaType byName = QMetaType::fromName(alias);
        QVERIFY2(byName.isValid() && byName == type, alias);
    }
}

void TestEvents::qmlReadsTheValues()
{
    // The vocabulary is a creatable QML type whose values QML reads by name; MessageFlags
    // comes with the controller (tst_kelvo).
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nimport XEvents 1.0\n"
                      "Events {\n"
                      "    property string values: [Events.NONE, Events.BUS_SCAN, Events.EXIT,\n"
                      "        Events.WARNING_MESSAGE, Events.RESTORE_SINGLE_BACKUP,\n"
                      "        Events.BUS_SCAN_FINISHED].join(' ')\n"
                      "}",
                      QUrl(QStringLiteral("qrc:/inline.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY(object->inherits("XEvents"));
    QCOMPARE(object->property("values").toString(), QStringLiteral("5 11 2 4 17 12"));
}

// The launcher compares button states and error values by name; the numbers are a contract.
void TestEvents::qmlReadsProductValues()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml 2.15\nimport InstallationState 1.0\nimport ErrorType 1.0\n"
        "QtObject {\n"
        "    property string values: [InstallationState.NOT_INSTALLED,\n"
        "        InstallationState.NOT_INSTALLED_CHANGELOG, InstallationState.INSTALLED,\n"
        "        InstallationState.INSTALLED_UPDATEABLE,\n"
        "        InstallationState.INSTALLED_UPDATEABLE_CHANGELOG,\n"
        "        InstallationState.INSTALLED_STARTOPTIONS,\n"
        "        ErrorType.DOWNLOAD_FAILED, ErrorType.JSON_CORRUPT].join(' ')\n"
        "}",
        QUrl(QStringLiteral("qrc:/inline.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("values").toString(), QStringLiteral("0 4 5 8 10 11 0 1"));
}

void TestEvents::messageWithParentOnly()
{
    QObject owner;
    const QDateTime before = QDateTime::currentDateTime();
    const Message message(&owner);
    const QDateTime after = QDateTime::currentDateTime();

    QVERIFY(message.message().isEmpty());
    QCOMPARE(message.flag(), int(Message::INFO));
    QVERIFY(message.timeStamp() >= before);
    QVERIFY(message.timeStamp() <= after);
    QCOMPARE(message.timeStamp().timeSpec(), Qt::LocalTime);
    QCOMPARE(message.parent(), &owner);
}

void TestEvents::messageCopyAndSetMessage()
{
    QObject owner;
    const QDateTime made(QDate(2024, 2, 5), QTime(8, 15, 30));
    Message original(QStringLiteral("Plugin installed"), made, Message::ERROR);
    original.setParent(&owner);

    Message copy(original);
    QCOMPARE(copy.parent(), nullptr);
    QCOMPARE(copy.message(), QStringLiteral("Plugin installed"));
    QCOMPARE(copy.flag(), int(Message::ERROR));
    QCOMPARE(copy.timeStamp(), made);
    QCOMPARE(original.parent(), &owner);

    // Setting the text keeps flag and time stamp.
    copy.setMessage(QStringLiteral("first line\nsecond line"));
    QCOMPARE(copy.message(), QStringLiteral("first line\nsecond line"));
    QCOMPARE(copy.flag(), int(Message::ERROR));
    QCOMPARE(copy.timeStamp(), made);
    QCOMPARE(original.message(), QStringLiteral("Plugin installed"));
}

QTEST_MAIN(TestEvents)
#include "tst_events.moc"
