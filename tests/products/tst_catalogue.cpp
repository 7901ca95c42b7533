#include "productfixtures.h"
#include "productmanager.h"
#include "testenvironment.h"
#include "testhttpserver.h"

#include <QSettings>
#include <QtTest>

using Fixtures::entry;

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void channelSelectsEntries_data();
    void channelSelectsEntries();
    void appIdIsReadAsText_data();
    void appIdIsReadAsText();
    void stateFromInfoFiles_data();
    void stateFromInfoFiles();
    void storedCopyIsUsedBeforeTheServer();
    void storedCopyDirectlyInTheDataFolderWins_data();
    void storedCopyDirectlyInTheDataFolderWins();
    void missingStoredCopyAsksTheServer();
    void corruptStoredCopyGivesAnEmptyList_data();
    void corruptStoredCopyGivesAnEmptyList();
    void failedServerCatalogueKeepsTheStoredCopy_data();
    void failedServerCatalogueKeepsTheStoredCopy();
    void hostileNamesAreSkipped();
    void changelogFormatting_data();
    void changelogFormatting();
    void changelogOfTheVersionToInstall();
    void changelogForSinglePluginMode();
    void unusableChangelog_data();
    void unusableChangelog();
    void changelogForUnknownAppId();

private:
    QString dataPath() const { return m_environment.appDataPath(); }
    void serve(const QString& storagePath, const TestHttpServer::Route& route)
    {
        m_routes.serve(storagePath, route);
    }
    void serveEmptyFileLists(const QString& name);
    void waitForFileLists(const QString& name);
    void storeCatalogue(const QByteArray& catalogue) const;
    void storeInfo(const QString& fileName, const QByteArray& content) const;
    void loadStored(const QByteArray& catalogue);

    TestEnvironment m_environment;
    TestHttpServer m_server;
    Fixtures::StorageRoutes m_routes{m_server};
    ProductManager* m_manager = nullptr;
};

void TestCatalogue::initTestCase()
{
    // Read once by the first request: set before anything asks for the server.
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_manager = ProductManager::instance();
}

void TestCatalogue::init()
{
    m_environment.clear();
    m_server.clearRequests();
    m_manager->setCurrentReleaseState(Product::RELEASE);
}

void TestCatalogue::cleanup()
{
    m_routes.clear();
}

void TestCatalogue::serveEmptyFileLists(const QString& name)
{
    const QByteArray list = "[\"" + name.toUtf8() + "\"]";
    serve(name + QStringLiteral("/firmwares/firmware.info"), {200, list});
    serve(name + QStringLiteral("/assembly_instructions/assembly_instructions.info"), {200, list});
}

// List replies that arrive after the test would otherwise reach the next one.
void TestCatalogue::waitForFileLists(const QString& name)
{
    const QString lists = QStringLiteral("/storage/kelvo/") + name;
    QTRY_COMPARE(m_server.requestCount(lists + "/firmwares/firmware.info"), 1);
    QTRY_COMPARE(m_server.requestCount(lists + "/assembly_instructions/assembly_instructions.info"),
                 1);
}

void TestCatalogue::storeCatalogue(const QByteArray& catalogue) const
{
    Fixtures::writeFile(dataPath() + QStringLiteral("/plugins.info"), catalogue);
}

void TestCatalogue::storeInfo(const QString& fileName, const QByteArray& content) const
{
    Fixtures::writeFile(dataPath() + QStringLiteral("/infos/") + fileName, content);
}

void TestCatalogue::loadStored(const QByteArray& catalogue)
{
    storeCatalogue(catalogue);
    m_manager->loadPlugins(true);
}

void TestCatalogue::channelSelectsEntries_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("release") << int(Product::RELEASE) << "Vent"
                             << "1.0.0";
    QTest::newRow("beta") << int(Product::BETA) << "Vent"
                          << "1.1.0";
    QTest::newRow("dev") << int(Product::DEV) << "Pelion"
                         << "3.0.0";
}

void TestCatalogue::channelSelectsEntries()
{
    QFETCH(int, channel);
    QFETCH(QString, name);
    QFETCH(QString, version);
    const QByteArray catalogue = Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release"),
                                                      entry("5", "Vent", "1.1.0", "beta"),
                                                      entry("9", "Pelion", "3.0.0", "dev")});
    serve(QStringLiteral("plugins.info"), {200, catalogue});
    serveEmptyFileLists(QStringLiteral("Vent"));
    serveEmptyFileLists(QStringLiteral("Pelion"));
    m_manager->setCurrentReleaseState(channel);
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);
    QSignalSpy errors(m_manager, &ProductManager::errorOccured);

    m_manager->loadPlugins(false);

    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(m_manager->products().size(), 1);
    const QAbstractItemModel* model =
        qobject_cast<QAbstractItemModel*>(m_manager->productListModel());
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->data(model->index(0, 0), ProductListModel::INSTALLED_VERSION).toString(),
             version);
    QCOMPARE(int(m_manager->products().first()->releaseState()), channel);
    // Only the products of the channel bring their additional files along.
    waitForFileLists(name);
    QCOMPARE(m_server.requests().size(), 3);
    QVERIFY(QFileInfo(dataPath() + "/firmwares").isDir());
    QVERIFY(QFileInfo(dataPath() + "/assembly_instructions").isDir());
    QCOMPARE(errors.count(), 0);
    // The stored copy is the served catalogue, indented.
    QCOMPARE(Fixtures::readFile(dataPath() + "/plugins.info"),
             QJsonDocument::fromJson(catalogue).toJson(QJsonDocument::Indented));
}

void TestCatalogue::appIdIsReadAsText_data()
{
    QTest::addColumn<QJsonValue>("appId");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal text") << QJsonValue("42") << 42;
    QTest::newRow("JSON number") << QJsonValue(42) << 0;
    QTest::newRow("not a number") << QJsonValue("12abc") << 0;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << 0;
}

void TestCatalogue::appIdIsReadAsText()
{
    QFETCH(QJsonValue, appId);
    QFETCH(int, expected);
    QJsonObject vent = entry("", "Vent", "1.0.0", "release");
    vent.insert("appId", appId);
    loadStored(Fixtures::catalogue({vent}));
    QCOMPARE(m_manager->products().size(), 1);
    QCOMPARE(m_manager->products().first()->appId(), expected);
}

void TestCatalogue::stateFromInfoFiles_data()
{
    QTest::addColumn<QStringList>("infoFiles");
    QTest::addColumn<QByteArrayList>("contents");
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("installedVersion");
    QTest::addColumn<QString>("availableVersion");
    QTest::addColumn<QString>("releaseDate");

    const QByteArray vent120 = Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")});
    const QByteArray ventBoth = Fixtures::catalogue(
        {entry("5", "Vent", "1.2.0", "release"), entry("5", "Vent", "1.3.0", "beta")});
    const QString date = QStringLiteral("01.02.2024");
    QTest::newRow("installed") << QStringList{"Vent_1_2_0_release.info"}
                               << QByteArrayList{Fixtures::info("5", "1.2.0", "release")} << vent120
                               << 0 << 5 << "1.2.0"
                               << "" << date;
    QTest::newRow("same version, older release date")
        << QStringList{"Vent_1_2_0_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.2.0", "release", "01.01.2024")} << vent120 << 0
        << 8 << "1.2.0"
        << "1.2.0"
        << "";
    QTest::newRow("older version")
        << QStringList{"Vent_1_0_0_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.0.0", "release", "01.01.2023")} << vent120 << 0
        << 8 << "1.0.0"
        << "1.2.0"
        << "";
    QTest::newRow("older version in a subfolder")
        << QStringList{"old/Vent_1_0_0_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.0.0", "release")} << vent120 << 0 << 8 << "1.0.0"
        << "1.2.0"
        << "";
    QTest::newRow("1.10 is above 1.9")
        << QStringList{"Vent_1_9_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.9", "release")}
        << Fixtures::catalogue({entry("5", "Vent", "1.10", "release")}) << 0 << 8 << "1.9"
        << "1.10"
        << "";
    QTest::newRow("1.9 is below 1.10")
        << QStringList{"Vent_1_10_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.10", "release")}
        << Fixtures::catalogue({entry("5", "Vent", "1.9", "release")}) << 0 << 0 << "1.9"
        << ""
        << "";
    QTest::newRow("1.2 equals 1.2.0")
        << QStringList{"Vent_1_2_release.info"}
        << QByteArrayList{Fixtures::info("5", "1.2.0", "release")}
        << Fixtures::catalogue({entry("5", "Vent", "1.2", "release")}) << 0 << 5 << "1.2.0"
        << "" << date;
    QTest::newRow("VentPro is another plug-in")
        << QStringList{"VentPro_1_0_0_release.info"}
        << QByteArrayList{Fixtures::info("7", "1.0.0", "release")} << vent120 << 0 << 0 << "1.2.0"
        << ""
        << "";
    QTest::newRow("Vent_Pro is another plug-in")
        << QStringList{"Vent_Pro_1_0_0_release.info"}
        << QByteArrayList{Fixtures::info("8", "1.0.0", "release")} << vent120 << 0 << 0 << "1.2.0"
        << ""
        << "";
    QTest::newRow("beta install seen from release")
        << QStringList{"Vent_1_3_0_beta.info"}
        << QByteArrayList{Fixtures::info("5", "1.3.0", "beta")} << ventBoth << 0 << 0 << "1.2.0"
        << ""
        << "";
    QTest::newRow("beta install seen from beta")
        << QStringList{"Vent_1_3_0_beta.info"}
        << QByteArrayList{Fixtures::info("5", "1.3.0", "beta")} << ventBoth << 1 << 5 << "1.3.0"
        << "" << date;
    QTest::newRow("other appId") << QStringList{"Vent_1_2_0_release.info"}
                                 << QByteArrayList{Fixtures::info("6", "1.2.0", "release")}
                                 << vent120 << 0 << 0 << "1.2.0"
                                 << ""
                                 << "";
    QTest::newRow("version that is no version")
        << QStringList{"Vent_1_2_0_release.info"}
        << QByteArrayList{Fixtures::info("5", "../x", "release")} << vent120 << 0 << 0 << "1.2.0"
        << ""
        << "";
    // An unreadable release date counts as earlier: the version is offered again.
    QTest::newRow("corrupt info file") << QStringList{"Vent_1_2_0_release.info"}
                                       << QByteArrayList{"not json"} << vent120 << 0 << 8 << "1.2.0"
                                       << "1.2.0"
                                       << "";
}

void TestCatalogue::stateFromInfoFiles()
{
    QFETCH(QStringList, infoFiles);
    QFETCH(QByteArrayList, contents);
    QFETCH(QByteArray, catalogue);
    QFETCH(int, channel);
    QFETCH(int, state);
    QFETCH(QString, installedVersion);
    QFETCH(QString, availableVersion);
    QFETCH(QString, releaseDate);
    for (int index = 0; index < infoFiles.size(); ++index)
        storeInfo(infoFiles.at(index), contents.at(index));
    m_manager->setCurrentReleaseState(channel);

    loadStored(catalogue);

    QCOMPARE(m_manager->products().size(), 1);
    const Product* product = m_manager->products().first();
    QCOMPARE(int(product->installationState()), state);
    QCOMPARE(product->installedVersion(), installedVersion);
    QCOMPARE(product->availableVersion(), availableVersion);
    QCOMPARE(product->releaseDate(), releaseDate);
}

void TestCatalogue::storedCopyIsUsedBeforeTheServer()
{
    serve(QStringLiteral("plugins.info"),
          {200, Fixtures::catalogue({entry("9", "Pelion", "3.0.0", "release")})});
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);

    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release")}));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_manager->products().first()->name(), QStringLiteral("Vent"));
    // A catalogue from the stored copy fetches no additional files.
    QVERIFY(m_server.requests().isEmpty());
}

void TestCatalogue::storedCopyDirectlyInTheDataFolderWins_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<QString>("name");
    QTest::newRow("direct and nested copy") << true << "Vent";
    QTest::newRow("nested copy only") << false << "Pelion";
}

void TestCatalogue::storedCopyDirectlyInTheDataFolderWins()
{
    QFETCH(bool, direct);
    QFETCH(QString, name);
    Fixtures::writeFile(dataPath() + "/firmwares/Pelion/plugins.info",
                        Fixtures::catalogue({entry("9", "Pelion", "3.0.0", "release")}));
    if (direct)
        storeCatalogue(Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release")}));

    m_manager->loadPlugins(true);

    QCOMPARE(m_manager->products().size(), 1);
    QCOMPARE(m_manager->products().first()->name(), name);
}

void TestCatalogue::missingStoredCopyAsksTheServer()
{
    serve(QStringLiteral("plugins.info"),
          {200, Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release")})});
    serveEmptyFileLists(QStringLiteral("Vent"));
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);

    m_manager->loadPlugins(true);

    QTRY_COMPARE(changed.count(), 1);
    waitForFileLists(QStringLiteral("Vent"));
    QCOMPARE(m_server.requestCount("/storage/kelvo/plugins.info"), 1);
    QCOMPARE(m_manager->products().first()->name(), QStringLiteral("Vent"));
    QVERIFY(QFileInfo::exists(dataPath() + "/plugins.info"));
}

void TestCatalogue::corruptStoredCopyGivesAnEmptyList_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("{\"plugins\": [");
    QTest::newRow("no catalogue") << QByteArray("[1, 2]");
}

void TestCatalogue::corruptStoredCopyGivesAnEmptyList()
{
    QFETCH(QByteArray, stored);
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release")}));
    QCOMPARE(m_manager->products().size(), 1);
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);

    loadStored(stored);

    QCOMPARE(changed.count(), 1);
    QVERIFY(m_manager->products().isEmpty());
    QCOMPARE(qobject_cast<QAbstractItemModel*>(m_manager->productListModel())->rowCount(), 0);
    QVERIFY(m_server.requests().isEmpty());
}

void TestCatalogue::failedServerCatalogueKeepsTheStoredCopy_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("404") << TestHttpServer::Route{404, "gone"} << false;
    QTest::newRow("not JSON") << TestHttpServer::Route{200, "<html>"} << false;
    QTest::newRow("cut off") << TestHttpServer::Route{200, Fixtures::catalogue({}), 0, 0, 0, true}
                             << false;
    QTest::newRow("JSON but no catalogue") << TestHttpServer::Route{200, "{\"x\": 1}"} << true;
}

void TestCatalogue::failedServerCatalogueKeepsTheStoredCopy()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(bool, corrupt);
    const QByteArray stored = Fixtures::catalogue({entry("5", "Vent", "1.0.0", "release")});
    loadStored(stored);
    serve(QStringLiteral("plugins.info"), route);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);
    QSignalSpy errors(m_manager, &ProductManager::errorOccured);

    m_manager->loadPlugins(false);

    if (corrupt) {
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(1).value<ProductManager::ErrorType>(),
                 ProductManager::JSON_CORRUPT);
    } else {
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY2(failed.first().first().toString().endsWith(" --- plugins.info"),
                 qPrintable(failed.first().first().toString()));
    }
    QVERIFY(m_manager->products().isEmpty());
    QCOMPARE(Fixtures::readFile(dataPath() + "/plugins.info"), stored);
}

void TestCatalogue::hostileNamesAreSkipped()
{
    const QList<QJsonObject> hostile{
        entry("1", "../evil", "1.0.0", "release"),  entry("1", "..", "1.0.0", "release"),
        entry("1", ".", "1.0.0", "release"),        entry("1", "", "1.0.0", "release"),
        entry("1", "a/b", "1.0.0", "release"),      entry("1", "a\\b", "1.0.0", "release"),
        entry("1", "C:", "1.0.0", "release"),       entry("1", "tab\tname", "1.0.0", "release"),
        entry("1", "Evil", "1/../../2", "release"), entry("1", "Evil", "1..2", "release"),
        entry("1", "Evil", "1.", "release"),        entry("1", "Evil", "1.2a", "release"),
        entry("1", "Evil", "1.0\n", "release"),     entry("1", "Evil", "1.0.0", "../x"),
        entry("1", "Evil", "1.0.0", "Release")};
    QList<QJsonObject> entries = hostile;
    entries.append(entry("5", "Vent", "1.0.0", "release"));
    serve(QStringLiteral("plugins.info"), {200, Fixtures::catalogue(entries)});
    serveEmptyFileLists(QStringLiteral("Vent"));
    const QStringList before = Fixtures::entriesBelow(m_environment.root(), dataPath());
    QSignalSpy rejected(m_manager, &ProductManager::catalogueEntryRejected);
    QSignalSpy changed(m_manager, &ProductManager::pluginsChanged);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    m_manager->loadPlugins(false);

    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(rejected.count(), hostile.size());
    QVERIFY(rejected.first().first().toString().contains("../evil"));
    QCOMPARE(m_manager->products().size(), 1);
    QCOMPARE(m_manager->products().first()->name(), QStringLiteral("Vent"));
    waitForFileLists(QStringLiteral("Vent"));
    QCOMPARE(m_server.requests().size(), 3);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(Fixtures::entriesBelow(m_environment.root(), dataPath()), before);
}

void TestCatalogue::changelogFormatting_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three sections")
        << QByteArray(R"({"changelog": {"Fixes": {"en": ["f1", "f2"]}, "Changes": {"en": ["c1"]},
                         "Features": {"en": ["n1"]}}})")
        << ""
        << "Fixes: \n\nf1\nf2\n\n\n\n\nChanges: \n\nc1\n\n\n\n\nFeatures: \n\nn1\n";
    QTest::newRow("features only")
        << QByteArray(R"({"changelog": {"Features": {"en": ["n1", "n2"]}}})") << ""
        << "Features: \n\nn1\nn2\n";
    QTest::newRow("no lines in the language")
        << QByteArray(R"({"changelog": {"Fixes": {"de": ["x"]}, "Changes": {"en": []}}})") << ""
        << "";
    QTest::newRow("language from the settings")
        << QByteArray(R"({"changelog": {"Fixes": {"en": ["fix"], "de": ["Fehler"]}}})") << "de"
        << "Fixes: \n\nFehler\n";
}

void TestCatalogue::changelogFormatting()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    if (!language.isEmpty())
        QSettings().setValue("translator/language", language);
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")}));
    serve(QStringLiteral("Vent/1_2_0_release/Vent_1_2_0.json"), {200, document});
    QSignalSpy available(m_manager, &ProductManager::changeLogAvailable);
    QSignalSpy finished(m_manager, &ProductManager::downloadFinished);

    m_manager->downloadChangelog(5, false);

    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(available.count(), 1);
    QCOMPARE(available.first().at(0).toInt(), 5);
    QCOMPARE(available.first().at(1).toString(), expected);
    const Product* product = m_manager->products().first();
    QCOMPARE(product->changelog(), expected);
    QCOMPARE(product->installationState(), Product::INSTALLED_UPDATEABLE_CHANGELOG);
}

void TestCatalogue::changelogOfTheVersionToInstall()
{
    storeInfo("Vent_1_0_0_release.info", Fixtures::info("5", "1.0.0", "release"));
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")}));
    serve(QStringLiteral("Vent/1_2_0_release/Vent_1_2_0.json"), {200, "{}"});
    QSignalSpy available(m_manager, &ProductManager::changeLogAvailable);

    m_manager->downloadChangelog(5, false);

    QTRY_COMPARE(available.count(), 1);
    QCOMPARE(m_server.requests(),
             QList<QUrl>{QUrl("/storage/kelvo/Vent/1_2_0_release/Vent_1_2_0.json")});
}

void TestCatalogue::changelogForSinglePluginMode()
{
    storeInfo("Vent_1_0_0_release.info", Fixtures::info("5", "1.0.0", "release"));
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")}));
    serve(QStringLiteral("Vent/1_2_0_release/Vent_1_2_0.json"),
          {200, R"({"changelog": {"Changes": {"en": ["c1"]}}})"});
    QSignalSpy vireo(m_manager, &ProductManager::changeLogForVireoPluginAvailable);
    QSignalSpy available(m_manager, &ProductManager::changeLogAvailable);

    m_manager->downloadChangelog(5, true);

    QTRY_COMPARE(vireo.count(), 1);
    QCOMPARE(vireo.first(), (QVariantList{5, "Changes: \n\nc1\n", "1.2.0"}));
    QCOMPARE(available.count(), 0);
}

void TestCatalogue::unusableChangelog_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("JSON but no object") << TestHttpServer::Route{200, "[1]"} << true;
    QTest::newRow("not JSON") << TestHttpServer::Route{200, "404 Not Found"} << false;
    QTest::newRow("404") << TestHttpServer::Route{404, "gone"} << false;
}

void TestCatalogue::unusableChangelog()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(bool, corrupt);
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")}));
    serve(QStringLiteral("Vent/1_2_0_release/Vent_1_2_0.json"), route);
    QSignalSpy errors(m_manager, &ProductManager::errorOccured);
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);
    QSignalSpy finished(m_manager, &ProductManager::downloadFinished);

    m_manager->downloadChangelog(5, false);

    if (corrupt) {
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(0).toInt(), 5);
        QCOMPARE(errors.first().at(1).value<ProductManager::ErrorType>(),
                 ProductManager::JSON_CORRUPT);
    } else {
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().endsWith(" --- Vent_1_2_0.json"));
        QCOMPARE(finished.count(), 0);
    }
    QCOMPARE(m_manager->products().first()->installationState(), Product::NOT_INSTALLED);
}

void TestCatalogue::changelogForUnknownAppId()
{
    loadStored(Fixtures::catalogue({entry("5", "Vent", "1.2.0", "release")}));
    QSignalSpy failed(m_manager, &ProductManager::downloadFailed);

    m_manager->downloadChangelog(77, false);

    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains("appId 77"));
    QVERIFY(m_server.requests().isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
