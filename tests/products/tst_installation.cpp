#include "iplugin.h"
#include "pendingdeletions.h"
#include "productfixtures.h"
#include "productmanager.h"
#include "testenvironment.h"
#include "testhttpserver.h"

#include <QSettings>
#include <QtTest>

using Fixtures::entry;

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updateInstallsTheNewerVersion();
    void freshInstallReplacesAnInfoFileOfTheSameName();
    void changedStateWordLeavesTheOldInfoFile();
    void unwritableInfoFileKeepsTheOldInstallation();
    void unusableLibraryInfo_data();
    void unusableLibraryInfo();
    void failedLibraryDownloadKeepsThePreviousLibrary_data();
    void failedLibraryDownloadKeepsThePreviousLibrary();
    void unwritableLibraryStopsTheDownload();
    void installCancelsAPendingDeletion();
    void nothingToDownload_data();
    void nothingToDownload();
    void additionalFileLists_data();
    void additionalFileLists();
    void additionalFileNotSaved_data();
    void additionalFileNotSaved();
    void deletionInTheBetaChannel();
    void loadPlugin_data();
    void loadPlugin();

private:
    QString dataPath() const { return m_environment.appDataPath(); }
    void serve(const QString& storagePath, const TestHttpServer::Route& route)
    {
        m_routes.serve(storagePath, route);
    }
    void loadStored(const QList<QJsonObject>& entries);
    void storeInfo(const QString& fileName, const QByteArray& content) const;
    QStringList infoFiles() const;
    // Starts an installation of plug-in 5 and waits for its end, good or bad.
    void install(bool isUpdate);

    TestEnvironment m_environment;
    TestHttpServer m_server;
    Fixtures::StorageRoutes m_routes{m_server};
    ProductManager* m_manager = nullptr;
};

void TestInstallation::initTestCase()
{
    // Read once by the first request: set before anything asks for the server.
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_manager = ProductManager::instance();
}

void TestInstallation::init()
{
    m_environment.clear();
    m_server.clearRequests();
    m_manager->setCurrentReleaseState(Product::RELEASE);
}

void TestInstallation::cleanup()
{
    m_routes.clear();
}

void TestInstallation::loadStored(const QList<QJsonObject>& entries)
{
    Fixtures::writeFile(dataPath() + "/plugins.info", Fixtures::catalogue(entries));
    m_manager->loadPlugins(true);
}

void TestInstallation::storeInfo(const QString& fileName, const QByteArray& content) const
{
    Fixtures::writeFile(dataPath() + "/infos/" + fileName, content);
}

QStringList TestInstallation::infoFiles() const
{
    return QDir(dataPath() + "/infos").entryList(QDir::Files, QDir::Name);
}

void TestInstallation::install(bool isUpdate)
{
    QSignalSpy finished(m_manager, &ProductManager::downloadFinished);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);
    m_manager->downloadPlugin(5, isUpdate);
    QTRY_COMPARE(finished.count() + failed.count(), 1);
}

void TestInstallation::updateInstallsTheNewerVersion()
{
    storeInfo("Vent_1_0_0_release.info", Fixtures::info("5", "1.0.0", "release", "01.01.2023"));
    loadStored({entry("5", "Vent", "1.1.0", "release", "03.04.2024")});
    QCOMPARE(m_manager->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
    const QByteArray info = Fixtures::info("5", "1.1.0", "release", "03.04.2024");
    serve("Vent/1_1_0_release/libs/Vent.dll", {200, "library 1.1.0"});
    serve("Vent/1_1_0_release/Vent.info", {200, info});
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);
    QSignalSpy finished(m_manager, &ProductManager::downloadFinished);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    m_manager->downloadPlugin(5, true);

    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_server.requests(),
             (QList<QUrl>{QUrl("/storage/kelvo/Vent/1_1_0_release/libs/Vent.dll"),
                          QUrl("/storage/kelvo/Vent/1_1_0_release/Vent.info")}));
    QCOMPARE(Fixtures::readFile(dataPath() + "/libs/Vent.dll"), QByteArray("library 1.1.0"));
    QCOMPARE(infoFiles(), QStringList{"Vent_1_1_0_release.info"});
    QCOMPARE(Fixtures::readFile(dataPath() + "/infos/Vent_1_1_0_release.info"),
             QJsonDocument::fromJson(info).toJson(QJsonDocument::Indented));
    const Product* product = m_manager->products().first();
    QCOMPARE(product->installationState(), Product::INSTALLED);
    QCOMPARE(product->installedVersion(), QStringLiteral("1.1.0"));
    QCOMPARE(product->availableVersion(), QString());
    QCOMPARE(product->releaseDate(), QStringLiteral("03.04.2024"));
}

void TestInstallation::freshInstallReplacesAnInfoFileOfTheSameName()
{
    storeInfo("Vent_1_2_0_release.info", Fixtures::info("99", "1.2.0", "release"));
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    QCOMPARE(m_manager->products().first()->installationState(), Product::NOT_INSTALLED);
    const QByteArray info = Fixtures::info("5", "1.2.0", "release");
    serve("Vent/1_2_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_2_0_release/Vent.info", {200, info});

    install(false);

    QCOMPARE(infoFiles(), QStringList{"Vent_1_2_0_release.info"});
    QCOMPARE(Fixtures::readFile(dataPath() + "/infos/Vent_1_2_0_release.info"),
             QJsonDocument::fromJson(info).toJson(QJsonDocument::Indented));
    QCOMPARE(m_manager->products().first()->installationState(), Product::INSTALLED);
}

void TestInstallation::changedStateWordLeavesTheOldInfoFile()
{
    storeInfo("Vent_1_0_0_release.info", Fixtures::info("5", "1.0.0", "release", "01.01.2023"));
    loadStored({entry("5", "Vent", "1.1.0", "release")});
    serve("Vent/1_1_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_1_0_release/Vent.info", {200, Fixtures::info("5", "1.1.0", "beta")});

    install(true);

    QCOMPARE(infoFiles(), (QStringList{"Vent_1_0_0_release.info", "Vent_1_1_0_beta.info"}));
    QCOMPARE(m_manager->products().first()->releaseState(), Product::BETA);
}

void TestInstallation::unwritableInfoFileKeepsTheOldInstallation()
{
    storeInfo("Vent_1_0_0_release.info", Fixtures::info("5", "1.0.0", "release", "01.01.2023"));
    QDir().mkpath(dataPath() + "/infos/Vent_1_1_0_release.info");
    loadStored({entry("5", "Vent", "1.1.0", "release")});
    serve("Vent/1_1_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_1_0_release/Vent.info", {200, Fixtures::info("5", "1.1.0", "release")});
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    install(true);

    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains("Vent_1_1_0_release.info"));
    QCOMPARE(infoFiles(), QStringList{"Vent_1_0_0_release.info"});
    QCOMPARE(m_manager->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
}

void TestInstallation::unusableLibraryInfo_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<QString>("failure");
    QTest::newRow("error page") << TestHttpServer::Route{200, "<h1>404 Not Found</h1>"}
                                << " --- Vent.info";
    QTest::newRow("404") << TestHttpServer::Route{404, ""} << " --- Vent.info";
    QTest::newRow("empty object") << TestHttpServer::Route{200, "{}"} << "unusable";
    QTest::newRow("version with a path")
        << TestHttpServer::Route{200, Fixtures::info("5", "../../1", "release")} << "unusable";
    QTest::newRow("unknown state")
        << TestHttpServer::Route{200, Fixtures::info("5", "1.2.0", "../x")} << "unusable";
}

void TestInstallation::unusableLibraryInfo()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(QString, failure);
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    serve("Vent/1_2_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_2_0_release/Vent.info", route);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);
    QSignalSpy finished(m_manager, &ProductManager::downloadFinished);

    install(false);

    QCOMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(failure),
             qPrintable(failed.first().first().toString()));
    QCOMPARE(finished.count(), 0);
    QVERIFY(infoFiles().isEmpty());
    QCOMPARE(m_manager->products().first()->installationState(), Product::NOT_INSTALLED);
    // The library of the first step stays.
    QCOMPARE(Fixtures::readFile(dataPath() + "/libs/Vent.dll"), QByteArray("library"));
}

void TestInstallation::failedLibraryDownloadKeepsThePreviousLibrary_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<QString>("failure");
    QTest::newRow("closed mid-body")
        << TestHttpServer::Route{200, QByteArray(4096, 'n'), 0, 0, 0, true} << " --- Vent.dll";
    QTest::newRow("server error") << TestHttpServer::Route{500, "broken"} << " --- Vent.dll";
    QTest::newRow("empty body") << TestHttpServer::Route{200, ""} << "404 Not Found";
}

void TestInstallation::failedLibraryDownloadKeepsThePreviousLibrary()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(QString, failure);
    Fixtures::writeFile(dataPath() + "/libs/Vent.dll", "previous library");
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    serve("Vent/1_2_0_release/libs/Vent.dll", route);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    install(false);

    QCOMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(failure),
             qPrintable(failed.first().first().toString()));
    QCOMPARE(Fixtures::readFile(dataPath() + "/libs/Vent.dll"), QByteArray("previous library"));
    QCOMPARE(QDir(dataPath() + "/libs").entryList(QDir::Files), QStringList{"Vent.dll"});
    QCOMPARE(m_server.requests().size(), 1);
}

void TestInstallation::unwritableLibraryStopsTheDownload()
{
    QDir().mkpath(dataPath() + "/libs/Vent.dll");
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    serve("Vent/1_2_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_2_0_release/Vent.info", {200, Fixtures::info("5", "1.2.0", "release")});
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    install(false);

    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains("libs/Vent.dll"));
    QCOMPARE(m_server.requests().size(), 1);
    QVERIFY(infoFiles().isEmpty());
    QCOMPARE(m_manager->products().first()->installationState(), Product::NOT_INSTALLED);
}

void TestInstallation::installCancelsAPendingDeletion()
{
    const QString library = dataPath() + "/libs/Vent.dll";
    PendingDeletions::schedule("Vent.dll", library);
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    serve("Vent/1_2_0_release/libs/Vent.dll", {200, "library"});
    serve("Vent/1_2_0_release/Vent.info", {200, Fixtures::info("5", "1.2.0", "release")});

    install(false);

    QVERIFY(!QSettings().contains("pluginToDelete/Vent.dll"));
    PendingDeletions::sweep();
    QVERIFY(QFileInfo::exists(library));
}

void TestInstallation::nothingToDownload_data()
{
    QTest::addColumn<int>("appId");
    QTest::addColumn<bool>("isUpdate");
    QTest::addColumn<QString>("failure");
    QTest::newRow("unknown appId") << 77 << false << "appId 77";
    QTest::newRow("update without a newer version") << 5 << true << "Vent";
}

void TestInstallation::nothingToDownload()
{
    QFETCH(int, appId);
    QFETCH(bool, isUpdate);
    QFETCH(QString, failure);
    loadStored({entry("5", "Vent", "1.2.0", "release")});
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    m_manager->downloadPlugin(appId, isUpdate);

    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains(failure));
    QVERIFY(m_server.requests().isEmpty());
}

void TestInstallation::additionalFileLists_data()
{
    QTest::addColumn<bool>("firmware");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("rejected");
    QTest::newRow("folder name only") << true << QByteArray(R"(["Vent"])") << QStringList() << 0;
    QTest::newRow("three firmware files")
        << true << QByteArray(R"(["Vent", "a.bin", "b.bin", "c.bin"])")
        << QStringList{"firmwares/Vent/a.bin", "firmwares/Vent/b.bin", "firmwares/Vent/c.bin"} << 0;
    QTest::newRow("assembly instructions in another folder")
        << false << QByteArray(R"(["KastorPlus", "guide_en.pdf"])")
        << QStringList{"assembly_instructions/KastorPlus/guide_en.pdf"} << 0;
    QTest::newRow("hostile folder")
        << true << QByteArray(R"(["../..", "a.bin"])") << QStringList() << 1;
    QTest::newRow("hostile file names")
        << true << QByteArray(R"(["Vent", "../../x", "a\\b", "..", "C:", 7, "ok.bin"])")
        << QStringList{"firmwares/Vent/ok.bin"} << 5;
}

void TestInstallation::additionalFileLists()
{
    QFETCH(bool, firmware);
    QFETCH(QByteArray, list);
    QFETCH(QStringList, saved);
    QFETCH(int, rejected);
    const QString kind = firmware ? "firmwares" : "assembly_instructions";
    const QString otherKind = firmware ? "assembly_instructions" : "firmwares";
    // "firmwares/Vent/a.bin" on disk lies at "Vent/firmwares/a.bin" on the server.
    const auto servedAt = [](const QString& local) {
        const QStringList parts = local.split('/');
        return parts.at(1) + '/' + parts.at(0) + '/' + parts.at(2);
    };
    const QString listPath =
        firmware ? "/firmwares/firmware.info" : "/assembly_instructions/assembly_instructions.info";
    const QString otherListPath =
        firmware ? "/assembly_instructions/assembly_instructions.info" : "/firmwares/firmware.info";
    serve("Vent" + listPath, {200, list});
    for (const QString& file : saved)
        serve(servedAt(file), {200, "content of " + file.toUtf8()});
    // The reply of a list that names no file leaves no trace; the list of the other kind,
    // requested after it was answered, shows that it has been handled.
    const QString sentinel = otherKind + "/Sentinel/done.txt";
    serve("Sentinel" + otherListPath, {200, R"(["Sentinel", "done.txt"])"});
    serve(servedAt(sentinel), {200, "done"});
    const QStringList before = Fixtures::entriesBelow(m_environment.root(), dataPath());
    QSignalSpy rejections(m_manager, &ProductManager::additionalFileRejected);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    if (firmware)
        m_manager->requestFirmwareList("Vent");
    else
        m_manager->requestAssemblyInstructionsList("Vent");
    QTRY_COMPARE(m_server.requestCount("/storage/kelvo/Vent" + listPath), 1);
    if (firmware)
        m_manager->requestAssemblyInstructionsList("Sentinel");
    else
        m_manager->requestFirmwareList("Sentinel");
    QTRY_VERIFY(QFileInfo::exists(dataPath() + "/" + sentinel));

    for (const QString& file : saved)
        QTRY_COMPARE(Fixtures::readFile(dataPath() + "/" + file), "content of " + file.toUtf8());
    QCOMPARE(m_server.requests().size(), 3 + saved.size());
    QCOMPARE(rejections.count(), rejected);
    QCOMPARE(failed.count(), 0);
    QStringList written;
    QDirIterator files(dataPath() + "/" + kind, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        written.append(QDir(dataPath()).relativeFilePath(files.next()));
    written.sort();
    QCOMPARE(written, saved);
    QCOMPARE(Fixtures::entriesBelow(m_environment.root(), dataPath()), before);
}

void TestInstallation::additionalFileNotSaved_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<QString>("failure");
    QTest::newRow("error page with success status")
        << TestHttpServer::Route{200, "<html><h1>404 Not Found</h1></html>"} << "404 Not Found";
    QTest::newRow("empty body") << TestHttpServer::Route{200, ""} << "404 Not Found";
    QTest::newRow("server error") << TestHttpServer::Route{500, "x"} << " --- a.bin";
    QTest::newRow("closed mid-body")
        << TestHttpServer::Route{200, QByteArray(4096, 'n'), 0, 0, 0, true} << " --- a.bin";
}

void TestInstallation::additionalFileNotSaved()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(QString, failure);
    const QString path = dataPath() + "/firmwares/Vent/a.bin";
    Fixtures::writeFile(path, "previous firmware");
    serve("Vent/firmwares/firmware.info", {200, R"(["Vent", "a.bin"])"});
    serve("Vent/firmwares/a.bin", route);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    m_manager->requestFirmwareList("Vent");

    QTRY_COMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(failure),
             qPrintable(failed.first().first().toString()));
    QCOMPARE(Fixtures::readFile(path), QByteArray("previous firmware"));
    QCOMPARE(QDir(dataPath() + "/firmwares/Vent").entryList(QDir::Files), QStringList{"a.bin"});
}

void TestInstallation::deletionInTheBetaChannel()
{
    m_manager->setCurrentReleaseState(Product::BETA);
    const QString library = dataPath() + "/libs/Vent_beta.dll";
    Fixtures::writeFile(library, "library");
    storeInfo("Vent_1_1_0_beta.info", Fixtures::info("5", "1.1.0", "beta"));
    loadStored({entry("5", "Vent", "1.0.0", "release"), entry("5", "Vent", "1.1.0", "beta")});
    QCOMPARE(m_manager->products().first()->installationState(), Product::INSTALLED);
    QStringList signalOrder;
    connect(m_manager, &ProductManager::pluginsChanged, this,
            [&] { signalOrder.append("pluginsChanged"); });
    connect(m_manager, &ProductManager::pluginDeleted, this,
            [&](int appId) { signalOrder.append("pluginDeleted " + QString::number(appId)); });

    m_manager->deletePlugin(5);

    disconnect(m_manager, nullptr, this, nullptr);
    QCOMPARE(signalOrder, (QStringList{"pluginsChanged", "pluginDeleted 5"}));
    const Product* product = m_manager->products().first();
    QCOMPARE(product->installationState(), Product::INSTALLED_DELETED);
    QCOMPARE(product->releaseDate(), QString());
    QVERIFY(infoFiles().isEmpty());
    QCOMPARE(QSettings().value("pluginToDelete/Vent_beta.dll").toString(), library);
    QVERIFY(QFileInfo::exists(library));

    PendingDeletions::sweep();

    QVERIFY(!QFileInfo::exists(library));
    QVERIFY(!QSettings().contains("pluginToDelete/Vent_beta.dll"));
}

void TestInstallation::loadPlugin_data()
{
    QTest::addColumn<int>("appId");
    QTest::addColumn<QString>("libraryFile");
    QTest::addColumn<QString>("startOptions");
    QTest::newRow("missing file") << 5 << ""
                                  << "";
    QTest::newRow("no library") << 5 << "garbage"
                                << "";
    QTest::newRow("unknown appId") << 77 << TEST_PLUGIN_PATH << "";
    QTest::newRow("plug-in") << 5 << TEST_PLUGIN_PATH << "qrc:/test/StartOptions.qml";
}

void TestInstallation::loadPlugin()
{
    QFETCH(int, appId);
    QFETCH(QString, libraryFile);
    QFETCH(QString, startOptions);
    m_manager->setCurrentReleaseState(Product::DEV);
    loadStored({entry("5", "Vent", "1.0.0", "dev")});
    const QString library = dataPath() + "/libs/Vent_dev.dll";
    if (libraryFile == "garbage")
        Fixtures::writeFile(library, "not a library");
    else if (!libraryFile.isEmpty())
        QVERIFY(QDir().mkpath(dataPath() + "/libs") && QFile::copy(libraryFile, library));

    IPlugin* plugin = m_manager->loadPlugin(appId);

    QCOMPARE(plugin ? plugin->startPlugin(false, nullptr) : QString(), startOptions);
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
