#include "assemblyinstructions.h"
#include "bundlemanager.h"
#include "globals.h"
#include "iplugin.h"
#include "productmanager.h"
#include "signaturecheck.h"
#include "storageserver.h"
#include "testenvironment.h"
#include "uiharness.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The shell's catalogue and installation against the storage server serving a copy of the
// assembled demo storage, with the demo plug-ins that the build published into it and the
// signatures it made with the demo key.
class TestDemoStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    // First, so that no unsigned request of another test is still under way when it starts.
    void signedReleasesThroughTheWindow();
    void channelShowsItsEntries_data();
    void channelShowsItsEntries();
    void catalogueLoadFetchesAdditionalFiles();
    void installedPluginLoads_data();
    void installedPluginLoads();

private:
    QStringList productNames() const;
    void loadCatalogue();

    QByteArray served(const QString& path) const;
    void serve(const QString& path, const QByteArray& content) const;
    void installThroughTheWindow(UiHarness& ui, const QString& name, int appId, bool isUpdate,
                                 const QString& failure);

    TestEnvironment m_environment;
    // The window test changes files of the storage; the build's tree stays as it was.
    QTemporaryDir m_storage;
    StorageServer* m_server = nullptr;
};

void TestDemoStorage::initTestCase()
{
    const QString built =
        qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/demo-storage");
    QVERIFY2(QFile::exists(built + QStringLiteral("/storage/kelvo/plugins.info")),
             qPrintable(built));
    QDirIterator files(built, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString copy = m_storage.path() + source.mid(built.size());
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()) && QFile::copy(source, copy));
    }
    m_server = new StorageServer(m_storage.path(), this);
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

QByteArray TestDemoStorage::served(const QString& path) const
{
    QFile file(m_storage.path() + QStringLiteral("/storage/kelvo/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestDemoStorage::serve(const QString& path, const QByteArray& content) const
{
    QFile file(m_storage.path() + QStringLiteral("/storage/kelvo/") + path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(content) == content.size());
}

// Asks for the changelog of the version offered and downloads it, as a user does. The launcher
// may rebuild its buttons meanwhile, so each step finds the button anew.
void TestDemoStorage::installThroughTheWindow(UiHarness& ui, const QString& name, int appId,
                                              bool isUpdate, const QString& failure)
{
    const int changelogShown =
        isUpdate ? Product::INSTALLED_UPDATEABLE_CHANGELOG : Product::NOT_INSTALLED_CHANGELOG;
    ProductManager* manager = ProductManager::instance();
    const auto button = [&ui, name] { return ui.item(QStringLiteral("pluginButton_") + name); };
    const auto state = [button] {
        QQuickItem* item = button();
        return item ? item->property("pluginButtonState").toInt() : -1;
    };
    QTRY_VERIFY(button());
    if (state() != changelogShown) {
        ui.click(button());
        QTRY_COMPARE(state(), changelogShown);
    }
    QTRY_VERIFY(!ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    QTRY_COMPARE(button()->height(), button()->property("lookHeight").toReal());
    // A failure before opens the status box over the lower part of the launcher; it closes
    // by itself.
    QTRY_VERIFY_WITH_TIMEOUT(
        !ui.item(QStringLiteral("statusBox")) ||
            !ui.item(QStringLiteral("statusBox"))->property("isShown").toBool(),
        10000);
    QSignalSpy failed(manager, &ProductManager::downloadFailed);
    ui.click(ui.findIn(button(), QStringLiteral("downloadButton")));
    // A changelog that arrives meanwhile also ends in downloadFinished, so the outcome is
    // waited for by its own sign: the installed look, or the failure.
    if (failure.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(state(), int(Product::INSTALLED), 10000);
        QCOMPARE(failed.count(), 0);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 10000);
        QVERIFY2(failed.value(0).value(0).toString().contains(failure),
                 qPrintable(failed.value(0).value(0).toString()));
        QTRY_VERIFY(!ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
        QVERIFY(state() != Product::INSTALLED);
    }
    QVERIFY(manager->loadPlugin(appId));
}

// With the demo key trusted, the demo storage installs, updates and updates the shell through
// the window; a library changed on the server is refused and the installed one stays in use.
void TestDemoStorage::signedReleasesThroughTheWindow()
{
    QFile demoKey(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                  QStringLiteral("/demo-signing/demo.pub"));
    QVERIFY(demoKey.open(QIODevice::ReadOnly));
    SignatureCheck::trustKeys({QString::fromLatin1(demoKey.readAll())});
    ProductManager::instance()->setCurrentReleaseState(0);
    UiHarness ui;
    // Kastor+ 1.4.0 is installed, with a real library; 1.4.2 is offered, with its library
    // changed on the server.
    const QDir data(Globals::appDataPath());
    QVERIFY(data.mkpath(QStringLiteral("infos")) && data.mkpath(QStringLiteral("libs")));
    QFile oldInfo(data.filePath(QStringLiteral("infos/kastorplus_1_4_0_release.info")));
    QVERIFY(oldInfo.open(QIODevice::WriteOnly));
    oldInfo.write(R"({"appId": "12", "version": "1.4.0", "state": "release",
                      "relDate": "01.09.2023"})");
    oldInfo.close();
    const QString libraryPath = QStringLiteral("kastorplus/1_4_2_release/libs/kastorplus.dll");
    const QByteArray library = served(libraryPath);
    const QString installedLibrary = data.filePath(QStringLiteral("libs/kastorplus.dll"));
    QFile installed(installedLibrary);
    QVERIFY(installed.open(QIODevice::WriteOnly) && installed.write(library) == library.size());
    installed.close();
    QByteArray changed = library;
    changed[changed.size() / 2] = char(changed.at(changed.size() / 2) ^ 0x20);
    serve(libraryPath, changed);
    // A translation changed on the server is not stored either.
    serve(QStringLiteral("translations/qmk_de.qm"),
          served(QStringLiteral("translations/qmk_de.qm")) + "changed");
    QSignalSpy rejected(ProductManager::instance(), &ProductManager::additionalFileRejected);

    QVERIFY(ui.start());
    // Firmware, assembly instructions and the unchanged translations passed their checks.
    QTRY_VERIFY(data.exists(QStringLiteral("firmwares/kastorplus/kastorplus_fw_1.4.2.bin")));
    QVERIFY(data.exists(QStringLiteral("translations/qmk_en.qm")));
    QVERIFY(data.exists(QStringLiteral("translations/pelion_de.qm")));
    QVERIFY(!data.exists(QStringLiteral("translations/qmk_de.qm")));
    QCOMPARE(rejected.count(), 0);

    installThroughTheWindow(ui, QStringLiteral("PELION"), 14, false, QString());
    QVERIFY(data.exists(QStringLiteral("infos/pelion_2_0_1_release.info")));
    installThroughTheWindow(ui, QStringLiteral("KASTOR+"), 12, true,
                            QStringLiteral("1_4_2_release/libs/kastorplus.dll: its SHA-256 "
                                           "digest differs from the signed one"));
    QVERIFY(data.exists(QStringLiteral("infos/kastorplus_1_4_0_release.info")));
    QFile kept(installedLibrary);
    QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == library);

    serve(libraryPath, library);
    installThroughTheWindow(ui, QStringLiteral("KASTOR+"), 12, true, QString());
    QCOMPARE(
        QDir(data.filePath(QStringLiteral("infos"))).entryList({QStringLiteral("kastorplus*")}),
        QStringList{QStringLiteral("kastorplus_1_4_2_release.info")});

    // The shell's own update, from the dialog to the extractor's start.
    QObject* dialog = ui.find(QStringLiteral("updateDialog"));
    ui.click(ui.item(QStringLiteral("updateButton")));
    QTRY_COMPARE(dialog->property("updateDialogState").toInt(), 1);
    QQuickItem* download = ui.findIn(dialog, QStringLiteral("downloadButton"));
    QTRY_VERIFY(download->isVisible());
    ui.click(download);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->property("updateDialogState").toInt(), 3, 10000);
    QTRY_VERIFY(download->isVisible());
    ui.click(download);
    QTRY_VERIFY(QFile::exists(data.filePath(QStringLiteral("bundleUpdate/BhZipper.starts.jsonl"))));
    QVERIFY(data.exists(QStringLiteral("bundleUpdate/update-signature.json")));
    SignatureCheck::trustKeys({});
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestDemoStorage)
#include "tst_demostorage.moc"
