#include "globals.h"
#include "iplugin.h"
#include "productmanager.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// Loads the demo plug-ins, which are built as projects of their own against the installed SDK,
// through the product manager, as the shell does when the user opens a plug-in.
class StatusReceiver : public QObject
{
    Q_OBJECT

public:
    QStringList messages;
    QList<XEvents::MessageTypes> types;
    QStringList injectedViews;

    void receiveStatus(const QString& message, XEvents::MessageTypes type,
                       XEvents::MessageActionTypes okAction,
                       XEvents::MessageActionTypes cancelAction, const QString& okButtonText)
    {
        QCOMPARE(okAction, XEvents::OK);
        QCOMPARE(cancelAction, XEvents::CANCEL);
        QVERIFY(okButtonText.isEmpty());
        messages << message;
        types << type;
    }

    void receiveUi(const QString& qmlPath, bool isVirtual)
    {
        QVERIFY(isVirtual);
        injectedViews << qmlPath;
    }
};

class TestPluginLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void signalsReachTheShell();
    void pluginOverridesContractSlots();
    void missingLibraryOrSymbolGivesNull_data();
    void missingLibraryOrSymbolGivesNull();

private:
    void storeCatalogue();
    void installLibrary(const QString& builtLibrary, const QString& fileName);

    TestEnvironment m_environment;
    QString m_buildDir;
};

void TestPluginLoading::initTestCase()
{
    m_buildDir = qEnvironmentVariable("QUILLMARK_BUILD_DIR");
    QVERIFY2(!m_buildDir.isEmpty(), "QUILLMARK_BUILD_DIR is not set");
}

void TestPluginLoading::init()
{
    m_environment.clear();
    storeCatalogue();
    ProductManager::instance()->setCurrentReleaseState(0);
    ProductManager::instance()->loadPlugins(true);
}

void TestPluginLoading::storeCatalogue()
{
    QFile catalogue(Globals::appDataPath() + QStringLiteral("/plugins.info"));
    QVERIFY(catalogue.open(QIODevice::WriteOnly));
    catalogue.write(R"({"plugins":[
        {"appId":"12","name":"kastorplus","version":"1.4.2","state":"release","relDate":"14.02.2024"},
        {"appId":"14","name":"pelion","version":"2.0.1","state":"release","relDate":"30.01.2024"},
        {"appId":"21","name":"ventus","version":"1.0.0","state":"release","relDate":"01.12.2023"}]})");
}

void TestPluginLoading::installLibrary(const QString& builtLibrary, const QString& fileName)
{
    const QString libs = Globals::appDataPath() + QStringLiteral("/libs/");
    QDir().mkpath(libs);
    QVERIFY2(QFile::copy(builtLibrary, libs + fileName), qPrintable(builtLibrary));
}

void TestPluginLoading::signalsReachTheShell()
{
    installLibrary(m_buildDir +
                       QStringLiteral("/examples/plugins/kastorplus-build/libkastorplus.so"),
                   QStringLiteral("kastorplus.dll"));
    IPlugin* plugin = ProductManager::instance()->loadPlugin(12);
    QVERIFY(plugin);
    // One meta-object for the contract in the whole process: the plug-in's class derives
    // from the very IPlugin meta-object that the shell was built with.
    QVERIFY(plugin->metaObject()->inherits(&IPlugin::staticMetaObject));
    QCOMPARE(qobject_cast<IPlugin*>(static_cast<QObject*>(plugin)), plugin);

    StatusReceiver receiver;
    QVERIFY(connect(plugin, &IPlugin::updateStatus, &receiver, &StatusReceiver::receiveStatus,
                    Qt::UniqueConnection));
    QVERIFY(connect(plugin, &IPlugin::injectUi, &receiver, &StatusReceiver::receiveUi,
                    Qt::UniqueConnection));

    QCOMPARE(plugin->startPlugin(false, nullptr),
             QStringLiteral("qrc:/kastorplus/StartOptions.qml"));
    QVERIFY(QFile::exists(QStringLiteral(":/kastorplus/StartOptions.qml")));
    QVERIFY(QMetaObject::invokeMethod(plugin, "openVirtualDevice"));

    QCOMPARE(receiver.injectedViews, QStringList{QStringLiteral("qrc:/kastorplus/DeviceView.qml")});
    QCOMPARE(receiver.messages, QStringList{QStringLiteral("Virtual Kastor+ opened")});
    QCOMPARE(receiver.types, QList<XEvents::MessageTypes>{XEvents::STATUS_INFO_MESSAGE});
}

void TestPluginLoading::pluginOverridesContractSlots()
{
    installLibrary(m_buildDir + QStringLiteral("/examples/plugins/pelion-build/libpelion.so"),
                   QStringLiteral("pelion.dll"));
    IPlugin* plugin = ProductManager::instance()->loadPlugin(14);
    QVERIFY(plugin);
    QVERIFY(QMetaObject::invokeMethod(plugin, "openVirtualDevice"));
    plugin->setProperty("operationDuration", 60000);
    QVERIFY(QMetaObject::invokeMethod(plugin, "restartDevice"));
    QVERIFY(plugin->property("busy").toBool());

    // The shell reaches the plug-in's override through the contract's slot: leaving stops the
    // running service and takes its overlay away.
    QSignalSpy closed(plugin, &IPlugin::closeDialog);
    QObject shell;
    connect(&shell, &QObject::objectNameChanged, plugin, &IPlugin::onPluginClosed);
    shell.setObjectName(QStringLiteral("left"));
    QVERIFY(!plugin->property("busy").toBool());
    QCOMPARE(closed.count(), 1);
}

void TestPluginLoading::missingLibraryOrSymbolGivesNull_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<int>("appId");
    QTest::newRow("no library file") << QString() << 21;
    QTest::newRow("library without getPlugin")
        << m_buildDir + QStringLiteral("/tests/plugins/libtst_librarywithoutplugin.so") << 21;
    QTest::newRow("not a library") << m_buildDir + QStringLiteral("/CMakeCache.txt") << 21;
    QTest::newRow("no product with that appId") << QString() << 99;
}

void TestPluginLoading::missingLibraryOrSymbolGivesNull()
{
    QFETCH(QString, library);
    QFETCH(int, appId);
    if (!library.isEmpty())
        installLibrary(library, QStringLiteral("ventus.dll"));
    QCOMPARE(ProductManager::instance()->loadPlugin(appId), nullptr);
}

QTEST_MAIN(TestPluginLoading)
#include "tst_pluginloading.moc"
