#include "assemblyinstructions.h"
#include "globals.h"
#include "iplugin.h"
#include "productmanager.h"
#include "storageserver.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// The shell's catalogue and installation against the storage server serving the assembled
// demo storage, with the demo plug-ins that the build published into it.
class TestDemoStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void channelShowsItsEntries_data();
    void channelShowsItsEntries();
    void catalogueLoadFetchesAdditionalFiles();
    void installedPluginLoads_data();
    void installedPluginLoads();

private:
    QStringList productNames() const;
    void loadCatalogue();

    TestEnvironment m_environment;
    StorageServer* m_server = nullptr;
};

void TestDemoStorage::initTestCase()
{
    const QString root =
        qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/demo-storage");
    QVERIFY2(QFile::exists(root + QStringLiteral("/storage/kelvo/plugins.info")), qPrintable(root));
    m_server = new StorageServer(root, this);
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
    qputenv("QUILLMARK_SERVER_URL",
            QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort()).toUtf8());
    QCOMPARE(Globals::serverBaseUrl(),
             QStringLiteral("http://127.0.0.1:%1/").arg(m_server->serverPort()));
}

void TestDemoStorage::init()
{
    m_environment.clear();
}

QStringList TestDemoStorage::productNames() const
{
    QStringList names;
    for (const Product* product : ProductManager::instance()->products())
        names << product->name() + QLatin1Char(' ') + product->installedVersion();
    return names;
}

void TestDemoStorage::loadCatalogue()
{
    QSignalSpy changed(ProductManager::instance(), &ProductManager::pluginsChanged);
    ProductManager::instance()->loadPlugins(false);
    QVERIFY(changed.wait(5000));
}

void TestDemoStorage::channelShowsItsEntries_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("release") << 0
                             << QStringList{"kastorplus 1.4.2", "pelion 2.0.1", "ventus 1.0.0"};
    QTest::newRow("beta") << 1 << QStringList{"kastorplus 1.5.0", "pelion 2.1.0"};
    QTest::newRow("dev") << 2 << QStringList{"kastorplus 1.6.0"};
}

void TestDemoStorage::channelShowsItsEntries()
{
    QFETCH(int, channel);
    QFETCH(QStringList, expected);
    ProductManager::instance()->setCurrentReleaseState(channel);
    loadCatalogue();
    QCOMPARE(productNames(), expected);

    // The stored copy is the server's catalogue, written indented.
    QFile stored(Globals::appDataPath() + QStringLiteral("/plugins.info"));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QVERIFY(stored.readAll().contains("\n    \"plugins\": ["));
}

void TestDemoStorage::catalogueLoadFetchesAdditionalFiles()
{
    ProductManager::instance()->setCurrentReleaseState(0);
    loadCatalogue();
    const QStringList expected{
        "assembly_instructions/kastorplus/kastorplus_knx_ets_pdb_de.pdf",
        "assembly_instructions/kastorplus/kastorplus_knx_ets_pdb_en.pdf",
        "assembly_instructions/kastorplus/kastorplus_montage_de.pdf",
        "assembly_instructions/pelion/pelion_montage_de.pdf",
        "firmwares/kastorplus/kastorplus_fw_1.4.2.bin",
        "firmwares/kastorplus/kastorplus_knx_fw_1.1.0.bin",
    };
    const QDir data(Globals::appDataPath());
    for (const QString& file : expected)
        QTRY_VERIFY2_WITH_TIMEOUT(data.exists(file), qPrintable(file), 5000);

    const QString served = qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                           QStringLiteral("/demo-storage/storage/kelvo/kastorplus/firmwares/"
                                          "kastorplus_fw_1.4.2.bin");
    QFile original(served);
    QFile copy(data.filePath(expected.at(4)));
    QVERIFY(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());

    // The KNX button finds the product database instructions, the plug-in's button its own.
    QCOMPARE(AssemblyInstructions::choose(QStringLiteral("kastorplus"), true, QStringLiteral("de"))
                 .fileName,
             QStringLiteral("kastorplus_knx_ets_pdb_de.pdf"));
    QCOMPARE(AssemblyInstructions::choose(QStringLiteral("kastorplus"), true, QStringLiteral("fr"))
                 .fileName,
             QStringLiteral("kastorplus_knx_ets_pdb_en.pdf"));
    QCOMPARE(AssemblyInstructions::choose(QStringLiteral("kastorplus"), false, QStringLiteral("de"))
                 .fileName,
             QStringLiteral("kastorplus_montage_de.pdf"));
}

void TestDemoStorage::installedPluginLoads_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("appId");
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("infoFile");
    QTest::addColumn<QString>("startOptions");
    QTest::newRow("kastorplus beta") << 1 << 12 << "libs/kastorplus_beta.dll"
                                     << "infos/kastorplus_1_5_0_beta.info"
                                     << "qrc:/kastorplus/StartOptions.qml";
    QTest::newRow("pelion release") << 0 << 14 << "libs/pelion.dll"
                                    << "infos/pelion_2_0_1_release.info"
                                    << "qrc:/pelion/StartOptions.qml";
    QTest::newRow("ventus release") << 0 << 21 << "libs/ventus.dll"
                                    << "infos/ventus_1_0_0_release.info"
                                    << "qrc:/ventus/StartOptions.qml";
}

void TestDemoStorage::installedPluginLoads()
{
    QFETCH(int, channel);
    QFETCH(int, appId);
    QFETCH(QString, library);
    QFETCH(QString, infoFile);
    QFETCH(QString, startOptions);
    ProductManager* manager = ProductManager::instance();
    manager->setCurrentReleaseState(channel);
    loadCatalogue();
    QSignalSpy finished(manager, &ProductManager::downloadFinished);
    QSignalSpy failed(manager, &ProductManager::downloadFailed);
    manager->downloadPlugin(appId, false);
    QVERIFY(finished.wait(5000));
    QCOMPARE(failed.count(), 0);

    const QDir data(Globals::appDataPath());
    QVERIFY(data.exists(library));
    QVERIFY(data.exists(infoFile));

    IPlugin* plugin = manager->loadPlugin(appId);
    QVERIFY(plugin);
    QCOMPARE(plugin->startPlugin(false, nullptr), startOptions);

    // The next load recognises the installation from the info file alone.
    loadCatalogue();
    for (const Product* product : manager->products()) {
        const bool installed = product->appId() == appId;
        QCOMPARE(product->installationState() == Product::INSTALLED, installed);
    }
}

QTEST_MAIN(TestDemoStorage)
#include "tst_demostorage.moc"
