#include "httprequesthandler.h"
#include "productfixtures.h"
#include "replytimeout.h"

#include <QSettings>
#include <functional>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { h.reset(); }
    void serverCatalogue();
    void appIdIsReadAsText();
    void stateFromInfoFiles_data();
    void stateFromInfoFiles();
    void storedCopy();
    void failedServerCatalogueKeepsTheStoredCopy_data();
    void failedServerCatalogueKeepsTheStoredCopy();
    void changelog_data();
    void changelog();
    void changelogForSinglePluginMode();
    void unusableChangelog();
    void requestsUseTheTimeOut();

private:
    ProductHarness h;
};

// Without a stored copy the catalogue comes from the server and is stored. Entries whose name,
// version or state cannot be used are skipped; of the others only those of the channel are
// kept, and only they bring their additional files along. Nothing lands outside the data folder.
void TestCatalogue::serverCatalogue()
{
    const QJsonArray hostile{
        entry("1", "../evil", "1.0.0", "release"),   entry("1", "..", "1.0.0", "release"),
        entry("1", ".", "1.0.0", "release"),         entry("1", "", "1.0.0", "release"),
        entry("1", "a\\b", "1.0.0", "release"),      entry("1", "C:", "1.0.0", "release"),
        entry("1", "tab\tname", "1.0.0", "release"), entry("1", "Evil", "1/../../2", "release"),
        entry("1", "Evil", "1.0\n", "release"),      entry("1", "Evil", "1.0:x", "release"),
        entry("1", "Evil", "", "release"),           entry("1", "Evil", "1.0.0", "../x"),
        entry("1", "Evil", "1.0.0", "Release"),      entry("1", "%2e%2e", "1.0.0", "release"),
        entry("1", "Evil", "%2e%2e", "release"),     entry("1", "CON", "1.0.0", "release"),
        entry("1", "nul.txt", "1.0.0", "release"),   entry("1", "Com1", "1.0.0", "release"),
        entry("1", "Evil.", "1.0.0", "release"),     entry("1", "Evil ", "1.0.0", "release"),
        entry("1", "a<b", "1.0.0", "release"),       entry("1", "a?b", "1.0.0", "release"),
        entry("1", "a*b", "1.0.0", "release"),       entry("1", "a|b", "1.0.0", "release"),
        entry("1", "a\"b", "1.0.0", "release"),      entry("1", "a#b", "1.0.0", "release")};
    const QByteArray served =
        catalogue(QJsonArray(hostile)
                  << entry("5", "Vent", "1.0.0", "release") << entry("5", "Vent", "1.1.0", "beta")
                  << entry("9", "Pelion", "3.0.0", "dev"));
    h.serve("plugins.info", {200, served});
    const QStringList lists{"Vent/firmwares/firmware.info",
                            "Vent/assembly_instructions/assembly_instructions.info"};
    for (const QString& list : lists)
        h.serve(list, {200, "[\"Vent\"]"});
    const QStringList before = h.outsideData();
    QSignalSpy rejected(h.manager, &ProductManager::catalogueEntryRejected);
    QSignalSpy changed(h.manager, &ProductManager::pluginsChanged);
    QSignalSpy errors(h.manager, &ProductManager::errorOccured);

    h.manager->loadPlugins(true);

    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(rejected.count(), hostile.size());
    QVERIFY(rejected.first().first().toString().contains("../evil"));
    QCOMPARE(h.manager->products().size(), 1);
    QCOMPARE(h.manager->products().first()->name(), QString("Vent"));
    QCOMPARE(h.manager->products().first()->installedVersion(), QString("1.0.0"));
    // List replies that arrive after the test would otherwise reach the next one.
    for (const QString& list : lists)
        QTRY_COMPARE(h.server.requestCount("/storage/kelvo/" + list), 1);
    QCOMPARE(h.server.requests().size(), 3);
    QVERIFY(QFileInfo(h.path("firmwares")).isDir());
    QVERIFY(QFileInfo(h.path("assembly_instructions")).isDir());
    QCOMPARE(errors.count(), 0);
    QCOMPARE(h.failed.count(), 0);
    QCOMPARE(h.read("plugins.info"), indented(served));
    QCOMPARE(h.outsideData(), before);
}

// Only decimal text is an appId; a JSON number reads as empty text.
void TestCatalogue::appIdIsReadAsText()
{
    QJsonObject number = entry("", "Pelion", "1.0.0", "release");
    number.insert("appId", 42);
    h.loadStored(catalogue({entry("42", "Vent", "1.0.0", "release"), number,
                            entry("12abc", "Kastor", "1.0.0", "release")}));
    QList<int> appIds;
    for (const Product* product : h.manager->products())
        appIds.append(product->appId());
    QCOMPARE(appIds, (QList<int>{42, 0, 0}));
}

void TestCatalogue::stateFromInfoFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<int>("channel");
    // The catalogue offers Vent, appId 5, in version `offered`, in the state of the channel.
    // Expected: installation state|installed version|available version|release date.
    const auto row = [](const char* name, const QByteArray& content, const char* expected,
                        const QString& file = "Vent_1_2_0_release.info",
                        const QString& offered = "1.2.0", int channel = Product::RELEASE) {
        QTest::newRow(name) << content << QString(expected) << file << offered << channel;
    };
    row("installed", info("5", "1.2.0", "release"), "5|1.2.0||01.02.2024");
    row("installed in beta", info("5", "1.3.0", "beta"), "5|1.3.0||01.02.2024",
        "Vent_1_3_0_beta.info", "1.3.0", Product::BETA);
    row("1.2 equals 1.2.0", info("5", "1.2.0", "release"), "5|1.2.0||01.02.2024",
        "Vent_1_2_release.info", "1.2");
    row("same version, older release date", info("5", "1.2.0", "release", "01.01.2024"),
        "8|1.2.0|1.2.0|");
    row("older version in a subfolder", info("5", "1.0.0", "release"), "8|1.0.0|1.2.0|",
        "old/Vent_1_0_0_release.info");
    row("1.10 is above 1.9", info("5", "1.9", "release"), "8|1.9|1.10|", "Vent_1_9_release.info",
        "1.10");
    row("1.9 is below 1.10", info("5", "1.10", "release"), "0|1.9||", "Vent_1_10_release.info",
        "1.9");
    row("VentPro is another plug-in", info("7", "1.0.0", "release"), "0|1.2.0||",
        "VentPro_1_0_0_release.info");
    row("Vent_Pro is another plug-in", info("8", "1.0.0", "release"), "0|1.2.0||",
        "Vent_Pro_1_0_0_release.info");
    row("other appId", info("6", "1.2.0", "release"), "0|1.2.0||");
    row("version that is no version", info("5", "../x", "release"), "0|1.2.0||");
    // Versions with a text after the number: the number first, then the text; a release is
    // above its pre-releases.
    row("pre-release installed", info("5", "1.2.0-beta", "release"), "5|1.2.0-beta||01.02.2024",
        "Vent_1_2_0-beta_release.info", "1.2.0-beta");
    row("release candidate below its release", info("5", "1.10.0rc1", "release"),
        "8|1.10.0rc1|1.10.0|", "Vent_1_10_0rc1_release.info", "1.10.0");
    row("pre-release above an older release", info("5", "1.9.0", "release"), "8|1.9.0|1.10.0-beta|",
        "Vent_1_9_0_release.info", "1.10.0-beta");
    // An unreadable release date counts as earlier: the version is offered again.
    row("corrupt info file", "not json", "8|1.2.0|1.2.0|");
}

void TestCatalogue::stateFromInfoFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QFETCH(QString, file);
    QFETCH(QString, offered);
    QFETCH(int, channel);
    h.write("infos/" + file, content);
    h.manager->setCurrentReleaseState(channel);

    h.loadStored(catalogue(
        {entry("5", "Vent", offered, Product::stateWord(Product::ReleaseState(channel)))}));

    QCOMPARE(h.manager->products().size(), 1);
    const Product* p = h.manager->products().first();
    const QStringList actual{QString::number(p->installationState()), p->installedVersion(),
                             p->availableVersion(), p->releaseDate()};
    QCOMPARE(actual.join('|'), expected);
}

// The stored copy directly in the data folder, or else one below it, is read without asking
// the server and fetches no additional files; a corrupt one gives an empty list.
void TestCatalogue::storedCopy()
{
    h.serve("plugins.info", {200, catalogue({entry("7", "Kastor", "2.0.0", "release")})});
    h.serve("Kastor/firmwares/firmware.info", {200, "[]"});
    h.serve("Kastor/assembly_instructions/assembly_instructions.info", {200, "[]"});
    // Only a file named exactly "plugins.info" is a stored copy.
    h.write("firmwares/Other/PLUGINS.INFO", catalogue({entry("8", "Other", "1.0.0", "release")}));
    h.manager->loadPlugins(true);
    QTRY_COMPARE(h.server.requests().size(), 3);
    QCOMPARE(h.manager->products().first()->name(), QString("Kastor"));
    h.server.clearRequests();
    QFile::remove(h.path("plugins.info"));

    h.write("firmwares/Pelion/plugins.info", catalogue({entry("9", "Pelion", "3.0.0", "release")}));
    QSignalSpy changed(h.manager, &ProductManager::pluginsChanged);

    h.manager->loadPlugins(true);
    QCOMPARE(h.manager->products().first()->name(), QString("Pelion"));

    h.loadStored(catalogue({entry("5", "Vent", "1.0.0", "release")}));
    QCOMPARE(h.manager->products().size(), 1);
    QCOMPARE(h.manager->products().first()->name(), QString("Vent"));

    h.loadStored("{\"plugins\": [");
    QCOMPARE(changed.count(), 3);
    QVERIFY(h.manager->products().isEmpty());
    QCOMPARE(qobject_cast<QAbstractItemModel*>(h.manager->productListModel())->rowCount(), 0);
    QVERIFY(h.server.requests().isEmpty());
}

void TestCatalogue::failedServerCatalogueKeepsTheStoredCopy_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("cut off") << TestHttpServer::Route{200, catalogue({}), 0, 0, 0, true} << false;
    QTest::newRow("JSON but no catalogue") << TestHttpServer::Route{200, "{\"x\": 1}"} << true;
}

void TestCatalogue::failedServerCatalogueKeepsTheStoredCopy()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(bool, corrupt);
    const QByteArray stored = catalogue({entry("5", "Vent", "1.0.0", "release")});
    h.loadStored(stored);
    h.serve("plugins.info", route);
    QSignalSpy errors(h.manager, &ProductManager::errorOccured);

    h.manager->loadPlugins(false);

    if (corrupt) {
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(1).value<ProductManager::ErrorType>(),
                 ProductManager::JSON_CORRUPT);
    } else {
        QTRY_COMPARE(h.failed.count(), 1);
        QVERIFY2(h.failure().endsWith(" --- plugins.info"), qPrintable(h.failure()));
    }
    // The launcher falls back to the stored copy.
    QCOMPARE(h.manager->products().size(), 1);
    QCOMPARE(h.manager->products().first()->name(), QStringLiteral("Vent"));
    QCOMPARE(h.read("plugins.info"), stored);
}

void TestCatalogue::changelog_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three sections")
        << QByteArray(R"({"changelog": {"Fixes": {"en": ["f1", "f2"]}, "Changes": {"en": ["c1"]},
                         "Features": {"en": ["n1"]}}})")
        << ""
        << "Fixes: \n\nf1\nf2\n\n\n\n\nChanges: \n\nc1\n\n\n\n\nFeatures: \n\nn1\n";
    // Sections without lines in the language leave neither title nor separator behind.
    QTest::newRow("language from the settings")
        << QByteArray(R"({"changelog": {"Fixes": {"en": ["fix"]}, "Changes": {"de": []},
                         "Features": {"de": ["Neu"]}}})")
        << "de"
        << "Features: \n\nNeu\n";
}

void TestCatalogue::changelog()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    if (!language.isEmpty())
        QSettings().setValue("translator/language", language);
    h.loadStored(catalogue({entry("5", "Vent", "1.2.0", "release")}));
    h.serve("Vent/1_2_0_release/Vent_1_2_0.json", {200, document});
    QSignalSpy available(h.manager, &ProductManager::changeLogAvailable);
    QSignalSpy finished(h.manager, &ProductManager::downloadFinished);

    h.manager->downloadChangelog(5, false);

    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(available.count(), 1);
    QCOMPARE(available.first(), (QVariantList{5, expected}));
    const Product* product = h.manager->products().first();
    QCOMPARE(product->changelog(), expected);
    QCOMPARE(product->installationState(), Product::INSTALLED_UPDATEABLE_CHANGELOG);
}

// An updateable plug-in shows the changelog of the version that an update installs.
void TestCatalogue::changelogForSinglePluginMode()
{
    h.write("infos/Vent_1_0_0_release.info", info("5", "1.0.0", "release"));
    h.loadStored(catalogue({entry("5", "Vent", "1.2.0", "release")}));
    h.serve("Vent/1_2_0_release/Vent_1_2_0.json",
            {200, R"({"changelog": {"Changes": {"en": ["c1"]}}})"});
    QSignalSpy vireo(h.manager, &ProductManager::changeLogForVireoPluginAvailable);
    QSignalSpy available(h.manager, &ProductManager::changeLogAvailable);

    h.manager->downloadChangelog(5, true);

    QTRY_COMPARE(vireo.count(), 1);
    QCOMPARE(vireo.first(), (QVariantList{5, "Changes: \n\nc1\n", "1.2.0"}));
    QCOMPARE(available.count(), 0);
    QCOMPARE(h.server.requests(),
             QList<QUrl>{QUrl("/storage/kelvo/Vent/1_2_0_release/Vent_1_2_0.json")});
}

// An unknown appId asks for nothing: its URL would name the storage folder itself. JSON that
// is no changelog object is an empty changelog, so the install button is still offered; only a
// null document is corrupt, reported for the requesting plug-in, as is a null file list.
void TestCatalogue::unusableChangelog()
{
    h.loadStored(catalogue({entry("5", "Vent", "1.2.0", "release")}));
    QSignalSpy errors(h.manager, &ProductManager::errorOccured);
    QSignalSpy available(h.manager, &ProductManager::changeLogAvailable);
    QSignalSpy finished(h.manager, &ProductManager::downloadFinished);

    h.manager->downloadChangelog(77, false);
    QVERIFY2(h.failure().contains("appId 77"), qPrintable(h.failure()));
    QVERIFY(h.server.requests().isEmpty());

    h.serve("Vent/1_2_0_release/Vent_1_2_0.json", {200, "[1]"});
    h.manager->downloadChangelog(5, false);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(available.count(), 1);
    QCOMPARE(available.first(), (QVariantList{5, QString()}));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(h.manager->products().first()->installationState(),
             Product::INSTALLED_UPDATEABLE_CHANGELOG);

    h.manager->changelogReceived(QJsonDocument());
    h.manager->additionalInfoFileReceived(QJsonDocument(), StorageLayout::FileKind::Firmware);
    QCOMPARE(errors.count(), 2);
    for (const QList<QVariant>& error : std::as_const(errors)) {
        QCOMPARE(error.at(0).toInt(), 5);
        QCOMPARE(error.at(1).value<ProductManager::ErrorType>(), ProductManager::JSON_CORRUPT);
    }
    QCOMPARE(finished.count(), 2);
}

// Every request of the manager runs with the whole-transfer time-out of the system.
void TestCatalogue::requestsUseTheTimeOut()
{
    h.loadStored(catalogue({entry("5", "Vent", "1.2.0", "release")}));
    const QList<std::function<void()>> requests{[this] { h.manager->downloadChangelog(5, false); },
                                                [this] { h.manager->downloadPlugin(5, false); },
                                                [this] { h.manager->requestFirmwareList("Vent"); },
                                                [this] { h.manager->loadPlugins(false); }};
    for (const auto& request : requests) {
        request();
        QPointer<HttpRequestHandler> handler = h.manager->handler();
        QVERIFY(handler);
        const QList<ReplyTimeout*> guards = handler->findChildren<ReplyTimeout*>();
        QCOMPARE(guards.size(), 1);
        QCOMPARE(guards.first()->milliseconds(), 20000);
        QTRY_VERIFY(handler.isNull());
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
