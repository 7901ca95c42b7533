#include "iplugin.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The demo plug-ins as the shell's screens use them: every call goes through the meta-object,
// by name, as QML makes it.
class TestPluginContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void badFileKeepsConfiguration_data();
    void badFileKeepsConfiguration();
    void metaDataPerConfiguration_data();
    void metaDataPerConfiguration();
    void pdfReport_data();
    void pdfReport();
    void deviceServices_data();
    void deviceServices();

private:
    struct Status
    {
        QString text;
        XEvents::MessageTypes type;
    };

    void open(const QString& name);
    void addPluginRows();
    QVariant value(const QString& key) const;
    bool checkChanges() const;
    Status lastStatus() const { return m_status.isEmpty() ? Status{} : m_status.constLast(); }

    TestEnvironment m_environment;
    QTemporaryDir m_files;
    std::unique_ptr<IPlugin> m_plugin;
    QList<Status> m_status;
};

void TestPluginContract::initTestCase()
{
    QVERIFY(!qEnvironmentVariable("QUILLMARK_BUILD_DIR").isEmpty());
}

void TestPluginContract::init()
{
    m_plugin.reset();
    m_status.clear();
    m_environment.clear();
}

void TestPluginContract::open(const QString& name)
{
    QLibrary library(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                     QStringLiteral("/examples/plugins/%1-build/lib%1.so").arg(name));
    auto getPlugin = reinterpret_cast<GetPluginFunction>(library.resolve("getPlugin"));
    QVERIFY2(getPlugin, qPrintable(library.errorString()));
    m_plugin.reset(getPlugin());
    connect(m_plugin.get(), &IPlugin::updateStatus, this,
            [this](const QString& text, XEvents::MessageTypes type) {
                m_status << Status{text, type};
            });
    QSignalSpy injected(m_plugin.get(), &IPlugin::injectUi);
    QVERIFY(QMetaObject::invokeMethod(m_plugin.get(), "openVirtualDevice"));
    QCOMPARE(injected.count(), 1);
    QCOMPARE(injected.first().at(0).toString(), QStringLiteral("qrc:/%1/DeviceView.qml").arg(name));
    QVERIFY(QFile::exists(injected.first().at(0).toString().mid(3)));
}

// Each plug-in with one of its settings: a value it takes and one it refuses.
void TestPluginContract::addPluginRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("changed");
    QTest::addColumn<QVariant>("refused");
    QTest::newRow("kastorplus") << "kastorplus"
                                << "openingWidth" << QVariant(450) << QVariant(5000);
    QTest::newRow("pelion") << "pelion"
                            << "alarmDelay" << QVariant(30) << QVariant(99);
    QTest::newRow("ventus") << "ventus"
                            << "windAlarm" << QVariant(25) << QVariant(80);
}

QVariant TestPluginContract::value(const QString& key) const
{
    return m_plugin->property("configuration").toMap().value(key);
}

bool TestPluginContract::checkChanges() const
{
    bool changed = false;
    QMetaObject::invokeMethod(m_plugin.get(), "checkChanges", Q_RETURN_ARG(bool, changed));
    return changed;
}

void TestPluginContract::fileRoundTrip_data()
{
    addPluginRows();
}

void TestPluginContract::fileRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QVariant, changed);
    open(name);
    const QVariant original = value(key);
    QVERIFY(!checkChanges());
    bool taken = false;
    QMetaObject::invokeMethod(m_plugin.get(), "setValue", Q_RETURN_ARG(bool, taken),
                              Q_ARG(QString, key), Q_ARG(QVariant, changed));
    QVERIFY(taken);
    QVERIFY(checkChanges());

    // A file dialog hands over a URL without the extension; the plug-in adds its own.
    QString extension;
    QMetaObject::invokeMethod(m_plugin.get(), "getConfigurationFileExtension",
                              Q_RETURN_ARG(QString, extension));
    QString filter;
    QMetaObject::invokeMethod(m_plugin.get(), "getFileFilter", Q_RETURN_ARG(QString, filter));
    QVERIFY2(filter.endsWith(QStringLiteral("(*.") + extension + ')'), qPrintable(filter));
    const QString file = m_files.filePath(name + QStringLiteral("/saved"));
    QMetaObject::invokeMethod(m_plugin.get(), "saveConfigurationToFile",
                              Q_ARG(QString, QUrl::fromLocalFile(file).toString()),
                              Q_ARG(bool, false));
    QCOMPARE(lastStatus().type, XEvents::STATUS_INFO_MESSAGE);
    QFile saved(file + '.' + extension);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(saved.readAll()).object();
    QCOMPARE(json.value("plugin").toString(), name);
    QCOMPARE(json.value("configuration").toObject().value(key).toVariant(), changed);

    // Leaving unsaved edits on the device, then loading the file again.
    QMetaObject::invokeMethod(m_plugin.get(), "loadConfigurationFromDevice");
    QCOMPARE(value(key), original);
    QVERIFY(!checkChanges());
    QMetaObject::invokeMethod(m_plugin.get(), "loadConfigurationFile",
                              Q_ARG(QString, saved.fileName()));
    QCOMPARE(value(key), changed);
    QVERIFY(checkChanges());

    // Saved to the device, the value survives a new plug-in object.
    QSignalSpy savedSignal(m_plugin.get(), SIGNAL(configurationSaved()));
    QMetaObject::invokeMethod(m_plugin.get(), "saveConfiguration");
    QCOMPARE(savedSignal.count(), 1);
    open(name);
    QCOMPARE(value(key), changed);
    QVERIFY(!checkChanges());
}

void TestPluginContract::badFileKeepsConfiguration_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << "kastorplus" << QByteArray("{\"plugin\": \"kastor");
    QTest::newRow("empty") << "pelion" << QByteArray();
    QTest::newRow("another device")
        << "ventus" << QByteArray(R"({"plugin":"pelion","configuration":{}})");
    QTest::newRow("value out of range")
        << "kastorplus"
        << QByteArray(R"({"plugin":"kastorplus","configuration":{"openingWidth":9}})");
    QTest::newRow("wrong type")
        << "ventus" << QByteArray(R"({"plugin":"ventus","configuration":{"rainAlarm":"yes"}})");
    QTest::newRow("fraction for a whole number")
        << "pelion" << QByteArray(R"({"plugin":"pelion","configuration":{"alarmDelay":2.5}})");
    QTest::newRow("no file") << "kastorplus" << QByteArray("missing");
}

void TestPluginContract::badFileKeepsConfiguration()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    open(name);
    const QVariantMap before = m_plugin->property("configuration").toMap();
    QString path = m_files.filePath(QStringLiteral("bad.cfg"));
    if (content == "missing") {
        path = m_files.filePath(QStringLiteral("nothing/here.cfg"));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QSignalSpy changed(m_plugin.get(), SIGNAL(configurationChanged()));
    QMetaObject::invokeMethod(m_plugin.get(), "loadConfigurationFile", Q_ARG(QString, path));
    QCOMPARE(lastStatus().type, XEvents::STATUS_ERROR_MESSAGE);
    QVERIFY2(lastStatus().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(lastStatus().text));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_plugin->property("configuration").toMap(), before);
}

void TestPluginContract::metaDataPerConfiguration_data()
{
    addPluginRows();
}

void TestPluginContract::metaDataPerConfiguration()
{
    QFETCH(QString, name);
    const auto meta = [this](const QString& key) {
        QString text;
        QMetaObject::invokeMethod(m_plugin.get(), "getMetaData", Q_RETURN_ARG(QString, text),
                                  Q_ARG(QString, key));
        return text;
    };
    const auto setMeta = [this](const QString& key, const QString& text) {
        QMetaObject::invokeMethod(m_plugin.get(), "setMetaData", Q_ARG(QString, key),
                                  Q_ARG(QString, text));
    };
    open(name);
    QString extension;
    QMetaObject::invokeMethod(m_plugin.get(), "getConfigurationFileExtension",
                              Q_RETURN_ARG(QString, extension));
    const QString school = m_files.filePath(name + QStringLiteral("-school.") + extension);
    setMeta(QStringLiteral("projectName"), QStringLiteral("Town hall"));
    QMetaObject::invokeMethod(m_plugin.get(), "saveConfigurationToFile", Q_ARG(QString, school),
                              Q_ARG(bool, false));
    // Saved as a file, the configuration keeps its texts and then goes its own way.
    QCOMPARE(meta(QStringLiteral("projectName")), QStringLiteral("Town hall"));
    setMeta(QStringLiteral("projectName"), QStringLiteral("School"));

    open(name);
    QCOMPARE(meta(QStringLiteral("projectName")), QStringLiteral("Town hall"));
    QMetaObject::invokeMethod(m_plugin.get(), "loadConfigurationFile", Q_ARG(QString, school));
    QCOMPARE(meta(QStringLiteral("projectName")), QStringLiteral("School"));

    // The same file brought from elsewhere carries the texts it was saved with.
    const QString copy = m_files.filePath(name + QStringLiteral("-copy.") + extension);
    QVERIFY(QFile::copy(school, copy));
    QMetaObject::invokeMethod(m_plugin.get(), "loadConfigurationFile", Q_ARG(QString, copy));
    QCOMPARE(meta(QStringLiteral("projectName")), QStringLiteral("Town hall"));
}

void TestPluginContract::pdfReport_data()
{
    addPluginRows();
}

void TestPluginContract::pdfReport()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QVariant, changed);
    open(name);
    bool taken = false;
    QMetaObject::invokeMethod(m_plugin.get(), "setValue", Q_RETURN_ARG(bool, taken),
                              Q_ARG(QString, key), Q_ARG(QVariant, changed));
    QMetaObject::invokeMethod(m_plugin.get(), "setMetaData", Q_ARG(QString, "projectName"),
                              Q_ARG(QString, "Fire station Nord"));
    QMetaObject::invokeMethod(m_plugin.get(), "setMetaData",
                              Q_ARG(QString, "serviceRepresentative"),
                              Q_ARG(QString, "Ada Brenner"));
    QSignalSpy overlay(m_plugin.get(), &IPlugin::showSplashScreen);
    const QString path = m_files.filePath(name + QStringLiteral("-report"));
    QMetaObject::invokeMethod(m_plugin.get(), "createPdfReport",
                              Q_ARG(QString, QUrl::fromLocalFile(path).toString()),
                              Q_ARG(QString, "2.1.0"));
    QCOMPARE(lastStatus().type, XEvents::STATUS_INFO_MESSAGE);
    QCOMPARE(overlay.count(), 1);
    QCOMPARE(overlay.first().first().toBool(), false);

    QFile report(path + QStringLiteral(".pdf"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.read(4) == "%PDF");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {report.fileName(), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(10000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString& expected :
         {QStringLiteral("Fire station Nord"), QStringLiteral("Ada Brenner"),
          QStringLiteral("2.1.0"), changed.toString()})
        QVERIFY2(content.contains(expected), qPrintable(expected + " not in: " + content));

    // The report saved once more replaces an older file of the same name whole.
    const QString copy = m_files.filePath(name + QStringLiteral("-copy.pdf"));
    QFile older(copy);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older report") > 0);
    older.close();
    QMetaObject::invokeMethod(m_plugin.get(), "saveCreatedReport", Q_ARG(QString, copy));
    QCOMPARE(lastStatus().type, XEvents::STATUS_INFO_MESSAGE);
    QVERIFY(older.open(QIODevice::ReadOnly) && report.seek(0));
    QVERIFY(older.readAll() == report.readAll());
    // Where the copy cannot be written, an error line.
    QMetaObject::invokeMethod(m_plugin.get(), "saveCreatedReport",
                              Q_ARG(QString, QStringLiteral("/proc/report-copy.pdf")));
    QCOMPARE(lastStatus().type, XEvents::STATUS_ERROR_MESSAGE);

    // A folder that cannot be written: an error line, and the overlay goes away all the same.
    QMetaObject::invokeMethod(m_plugin.get(), "createPdfReport",
                              Q_ARG(QString, QStringLiteral("/proc/report.pdf")),
                              Q_ARG(QString, "2.1.0"));
    QCOMPARE(lastStatus().type, XEvents::STATUS_ERROR_MESSAGE);
    QCOMPARE(overlay.count(), 2);
}

void TestPluginContract::deviceServices_data()
{
    addPluginRows();
}

void TestPluginContract::deviceServices()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QVariant, changed);
    open(name);
    m_plugin->setProperty("operationDuration", 10);
    const QVariant original = value(key);
    const auto run = [this](const char* service) {
        QSignalSpy busy(m_plugin.get(), SIGNAL(busyChanged()));
        QVERIFY(QMetaObject::invokeMethod(m_plugin.get(), service));
        QVERIFY(m_plugin->property("busy").toBool());
        QVERIFY(busy.wait(5000));
        QVERIFY(!m_plugin->property("busy").toBool());
        QCOMPARE(lastStatus().type, XEvents::STATUS_INFO_MESSAGE);
    };

    run("forcedUpdateFirmware");
    QString version;
    QMetaObject::invokeMethod(m_plugin.get(), "getVersion", Q_RETURN_ARG(QString, version));
    QCOMPARE(m_plugin->property("firmware").toString(), version);
    run("restartDevice");

    // A backup on the card, restored after an edit, is the device's configuration again.
    QMetaObject::invokeMethod(m_plugin.get(), "createBackupOnSDCard",
                              Q_ARG(QString, m_files.filePath(name + QStringLiteral("-card"))));
    QVERIFY(QFile::exists(m_files.filePath(name + QStringLiteral("-card/BACKUP"))));
    bool taken = false;
    QMetaObject::invokeMethod(m_plugin.get(), "setValue", Q_RETURN_ARG(bool, taken),
                              Q_ARG(QString, key), Q_ARG(QVariant, changed));
    QMetaObject::invokeMethod(m_plugin.get(), "restoreBackup",
                              Q_ARG(int, m_plugin->property("canId").toInt()));
    QCOMPARE(value(key), original);
    QVERIFY(!checkChanges());
    QMetaObject::invokeMethod(m_plugin.get(), "restoreBackup", Q_ARG(int, 99));
    QCOMPARE(lastStatus().type, XEvents::STATUS_ERROR_MESSAGE);

    // Formatting empties the device: what the view shows is unsaved now.
    QMetaObject::invokeMethod(m_plugin.get(), "setValue", Q_RETURN_ARG(bool, taken),
                              Q_ARG(QString, key), Q_ARG(QVariant, changed));
    QMetaObject::invokeMethod(m_plugin.get(), "saveConfiguration");
    run("startFormat");
    QVERIFY(checkChanges());
    run("setFactorySettings");
    QCOMPARE(value(key), original);
    QVERIFY(!checkChanges());

    // The password goes once; a second deletion has nothing to delete.
    QVERIFY(m_plugin->property("passwordProtected").toBool());
    QMetaObject::invokeMethod(m_plugin.get(), "deletePassword", Q_ARG(int, 0));
    QVERIFY(!m_plugin->property("passwordProtected").toBool());
    QCOMPARE(lastStatus().type, XEvents::INFO_MESSAGE);
    QMetaObject::invokeMethod(m_plugin.get(), "deletePassword", Q_ARG(int, 0));
    QCOMPARE(lastStatus().type, XEvents::STATUS_ERROR_MESSAGE);

    // Wi-Fi settings reach only a device that has Wi-Fi.
    QMetaObject::invokeMethod(m_plugin.get(), "saveWifiSettings", Q_ARG(QString, ""),
                              Q_ARG(QString, ""), Q_ARG(int, 0), Q_ARG(int, 0), Q_ARG(bool, false));
    QCOMPARE(lastStatus().type, name == QLatin1String("ventus") ? XEvents::STATUS_INFO_MESSAGE
                                                                : XEvents::STATUS_ERROR_MESSAGE);
}

QTEST_MAIN(TestPluginContract)
#include "tst_plugincontract.moc"
