#include "message.h"
#include "typeregistration.h"
#include "xevents.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

namespace {

struct Enumeration
{
    const QMetaObject* metaObject;
    const char* name;
    QList<const char*> enumerators; // in the order of their values, starting at 0
};

// The vocabulary as separately built plug-ins know it: every value is a contract.
const QList<Enumeration>& vocabulary()
{
    static const QList<Enumeration> all{
        {&XEvents::staticMetaObject,
         "ProcessTypes",
         {"CONNECTION", "CONFIGURATION_LOADED", "CONTROLUNIT_CONSTRUCTION_DIFFERENT",
          "CONTROL_UNIT_FOUND", "RESTORE_BACKUP", "FORMAT", "MAINTENANCE", "SYSTEMTIME",
          "REPORT_META", "STARTUP_INFO", "REPORT", "BUS_SCAN"}},
        {&XEvents::staticMetaObject,
         "ProcessStates",
         {"ERROR", "INTERRUPTED", "FINISHED", "LOADING_FINISHED", "NEARLY_FINISHED", "NONE"}},
        {&XEvents::staticMetaObject,
         "MessageTypes",
         {"STATUS_INFO_MESSAGE", "STATUS_ERROR_MESSAGE", "INFO_MESSAGE", "HINT_MESSAGE",
          "WARNING_MESSAGE", "ERROR_MESSAGE"}},
        {&XEvents::staticMetaObject,
         "MessageActionTypes",
         {"OK", "CANCEL", "EXIT", "FW_UPDATE", "RESTART_DEVICE", "FORMAT_FILE_SYSTEM",
          "FACTORY_RESET", "DEVICE_REMOVED_NOTIFY", "UPDATE_NEXT_MODULE", "LOAD_OK", "LOAD_CANCEL",
          "DELETE_PLUGIN", "SAVE", "SAVE_CAN", "SAVE_TO_FILE", "SAVE_WIFI_SETTINGS", "SAVE_PDF",
          "RESTORE_SINGLE_BACKUP"}},
        {&XEvents::staticMetaObject,
         "UiStatus",
         {"SAVING", "SAVED", "SAVING_FAILED", "LOADING", "LOADED", "SAVING_TO_FILE_SUCCESS",
          "SAVING_TO_FILE_FAIL", "REPORT_FINISHED", "REPORT_FAILED", "PASSWORD_DELETED",
          "VIRTUAL_DEVICE_DELETED", "BUS_SCAN_STARTED", "BUS_SCAN_FINISHED"}},
        {&Message::staticMetaObject, "MessageFlags", {"NONE", "INFO", "ERROR"}},
    };
    return all;
}

QMetaEnum metaEnum(const QMetaObject* metaObject, const char* name)
{
    return metaObject->enumerator(metaObject->indexOfEnumerator(name));
}

const QMetaObject* metaObjectOf(const QString& className)
{
    return className == QLatin1String("Message") ? &Message::staticMetaObject
                                                 : &XEvents::staticMetaObject;
}

// The value of `expression` in a QML document that imports both vocabularies.
QVariant evaluate(const QByteArray& expression)
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nimport XEvents 1.0\nimport MessageFlags 1.0\n"
                      "QtObject { property var value: " +
                          expression + " }",
                      QUrl(QStringLiteral("qrc:/inline.qml")));
    std::unique_ptr<QObject> object(component.create());
    if (!object) {
        qWarning() << component.errorString();
        return {};
    }
    return object->property("value");
}

} // namespace

class TestEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void enumeratorValues_data();
    void enumeratorValues();
    void enumerationSizes_data();
    void enumerationSizes();
    void processStateDebugOutput();
    void metaTypeAliases_data();
    void metaTypeAliases();

    void qmlReadsTheValues_data();
    void qmlReadsTheValues();
    void qmlCreatesTheTypes_data();
    void qmlCreatesTheTypes();

    void messageWithParentOnly();
    void messageFromParts_data();
    void messageFromParts();
    void messageCopy();
    void setMessageKeepsFlagAndTimeStamp();
};

void TestEvents::initTestCase()
{
    TypeRegistration::registerTypes();
}

void TestEvents::enumeratorValues_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("enumeration");
    QTest::addColumn<QString>("enumerator");
    QTest::addColumn<int>("value");

    for (const Enumeration& enumeration : vocabulary()) {
        for (int value = 0; value < enumeration.enumerators.size(); ++value) {
            const char* enumerator = enumeration.enumerators.at(value);
            QTest::addRow("%s::%s", enumeration.name, enumerator)
                << QString::fromLatin1(enumeration.metaObject->className())
                << QString::fromLatin1(enumeration.name) << QString::fromLatin1(enumerator)
                << value;
        }
    }
}

void TestEvents::enumeratorValues()
{
    QFETCH(QString, className);
    QFETCH(QString, enumeration);
    QFETCH(QString, enumerator);
    QFETCH(int, value);

    const QMetaObject* metaObject = metaObjectOf(className);
    const QMetaEnum meta = metaEnum(metaObject, enumeration.toLatin1().constData());
    QVERIFY(meta.isValid());
    QVERIFY(!meta.isFlag());
    QVERIFY(!meta.isScoped());
    bool found = false;
    QCOMPARE(meta.keyToValue(enumerator.toLatin1().constData(), &found), value);
    QVERIFY(found);
}

void TestEvents::enumerationSizes_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("enumeration");
    QTest::addColumn<int>("count");

    QTest::newRow("ProcessTypes") << "XEvents"
                                  << "ProcessTypes" << 12;
    QTest::newRow("ProcessStates") << "XEvents"
                                   << "ProcessStates" << 6;
    QTest::newRow("MessageTypes") << "XEvents"
                                  << "MessageTypes" << 6;
    QTest::newRow("MessageActionTypes") << "XEvents"
                                        << "MessageActionTypes" << 18;
    QTest::newRow("UiStatus") << "XEvents"
                              << "UiStatus" << 13;
    QTest::newRow("MessageFlags") << "Message"
                                  << "MessageFlags" << 3;
}

void TestEvents::enumerationSizes()
{
    QFETCH(QString, className);
    QFETCH(QString, enumeration);
    QFETCH(int, count);

    const QMetaObject* metaObject = metaObjectOf(className);
    QCOMPARE(metaEnum(metaObject, enumeration.toLatin1().constData()).keyCount(), count);
    // Nothing beyond the five enumerations of the vocabulary, and one on the message.
    QCOMPARE(XEvents::staticMetaObject.enumeratorCount(), 5);
    QCOMPARE(Message::staticMetaObject.enumeratorCount(), 1);
}

void TestEvents::processStateDebugOutput()
{
    QString text;
    QDebug(&text) << XEvents::NONE << XEvents::ERROR;
    QCOMPARE(text, QStringLiteral("XEvents::NONE XEvents::ERROR "));
}

void TestEvents::metaTypeAliases_data()
{
    QTest::addColumn<QByteArray>("alias");
    QTest::addColumn<QMetaType>("type");

    QTest::newRow("ProcessTypes") << QByteArray("XEvents::ProcessTypes")
                                  << QMetaType::fromType<XEvents::ProcessTypes>();
    QTest::newRow("MessageTypes") << QByteArray("XEvents::MessageTypes")
                                  << QMetaType::fromType<XEvents::MessageTypes>();
    QTest::newRow("MessageActionTypes") << QByteArray("XEvents::MessageActionTypes")
                                        << QMetaType::fromType<XEvents::MessageActionTypes>();
    QTest::newRow("UiStatus") << QByteArray("XEvents::UiStatus")
                              << QMetaType::fromType<XEvents::UiStatus>();
    QTest::newRow("MessageFlags") << QByteArray("MessageFlags")
                                  << QMetaType::fromType<Message::MessageFlags>();
}

void TestEvents::metaTypeAliases()
{
    QFETCH(QByteArray, alias);
    QFETCH(QMetaType, type);

    const QMetaType byName = QMetaType::fromName(alias);
    QVERIFY(byName.isValid());
    QCOMPARE(byName, type);
}

void TestEvents::qmlReadsTheValues_data()
{
    QTest::addColumn<QByteArray>("expression");
    QTest::addColumn<int>("value");

    QTest::newRow("Events.NONE") << QByteArray("Events.NONE") << 5;
    QTest::newRow("Events.ERROR") << QByteArray("Events.ERROR") << 0;
    QTest::newRow("Events.BUS_SCAN") << QByteArray("Events.BUS_SCAN") << 11;
    QTest::newRow("Events.STATUS_ERROR_MESSAGE") << QByteArray("Events.STATUS_ERROR_MESSAGE") << 1;
    QTest::newRow("Events.WARNING_MESSAGE") << QByteArray("Events.WARNING_MESSAGE") << 4;
    QTest::newRow("Events.EXIT") << QByteArray("Events.EXIT") << 2;
    QTest::newRow("Events.RESTORE_SINGLE_BACKUP")
        << QByteArray("Events.RESTORE_SINGLE_BACKUP") << 17;
    QTest::newRow("Events.BUS_SCAN_FINISHED") << QByteArray("Events.BUS_SCAN_FINISHED") << 12;
    QTest::newRow("MessageFlags.NONE") << QByteArray("MessageFlags.NONE") << 0;
    QTest::newRow("MessageFlags.INFO") << QByteArray("MessageFlags.INFO") << 1;
    QTest::newRow("MessageFlags.ERROR") << QByteArray("MessageFlags.ERROR") << 2;
}

void TestEvents::qmlReadsTheValues()
{
    QFETCH(QByteArray, expression);
    QFETCH(int, value);

    const QVariant result = evaluate(expression);
    QVERIFY(result.isValid());
    QCOMPARE(result.toInt(), value);
}

void TestEvents::qmlCreatesTheTypes_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("className");

    QTest::newRow("Events") << QByteArray("import XEvents 1.0\nEvents {}") << QByteArray("XEvents");
    QTest::newRow("MessageFlags") << QByteArray("import MessageFlags 1.0\nMessageFlags {}")
                                  << QByteArray("Message");
}

void TestEvents::qmlCreatesTheTypes()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, className);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(source, QUrl(QStringLiteral("qrc:/inline.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY(object->inherits(className.constData()));
}

void TestEvents::messageWithParentOnly()
{
    QObject owner;
    const QDateTime before = QDateTime::currentDateTime();
    const Message message(&owner);
    const QDateTime after = QDateTime::currentDateTime();

    QVERIFY(message.message().isEmpty());
    QCOMPARE(message.flag(), 1);
    QCOMPARE(message.flag(), int(Message::INFO));
    QVERIFY(message.timeStamp() >= before);
    QVERIFY(message.timeStamp() <= after);
    QCOMPARE(message.timeStamp().timeSpec(), Qt::LocalTime);
    QCOMPARE(message.parent(), &owner);
}

void TestEvents::messageFromParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("timeStamp");
    QTest::addColumn<int>("flag");

    QTest::newRow("error") << "Download failed" << QDateTime(QDate(2024, 2, 5), QTime(9, 30)) << 2;
    QTest::newRow("info") << "Downloading plugin" << QDateTime(QDate(2023, 12, 31), QTime(23, 59))
                          << 1;
    QTest::newRow("empty text") << "" << QDateTime(QDate(2020, 1, 1), QTime(0, 0)) << 1;
}

void TestEvents::messageFromParts()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, timeStamp);
    QFETCH(int, flag);

    const Message message(text, timeStamp, flag);
    QCOMPARE(message.message(), text);
    QCOMPARE(message.timeStamp(), timeStamp);
    QCOMPARE(message.flag(), flag);
    QCOMPARE(message.parent(), nullptr);
}

void TestEvents::messageCopy()
{
    QObject owner;
    const QDateTime made(QDate(2024, 2, 5), QTime(8, 15, 30));
    Message original(QStringLiteral("Plugin installed"), made, Message::ERROR);
    original.setParent(&owner);

    const Message copy(original);

    QCOMPARE(copy.parent(), nullptr);
    QCOMPARE(copy.message(), QStringLiteral("Plugin installed"));
    QCOMPARE(copy.flag(), int(Message::ERROR));
    QCOMPARE(copy.timeStamp(), made);
    QCOMPARE(original.parent(), &owner);
}

void TestEvents::setMessageKeepsFlagAndTimeStamp()
{
    const QDateTime made(QDate(2024, 2, 5), QTime(8, 15, 30));
    Message message(QStringLiteral("first line"), made, Message::ERROR);

    message.setMessage(QStringLiteral("first line\nsecond line"));

    QCOMPARE(message.message(), QStringLiteral("first line\nsecond line"));
    QCOMPARE(message.flag(), int(Message::ERROR));
    QCOMPARE(message.timeStamp(), made);
}

QTEST_MAIN(TestEvents)
#include "tst_events.moc"
