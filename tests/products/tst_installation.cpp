#include "ed25519.h"
#include "httprequesthandler.h"
#include "pendingdeletions.h"
#include "productfixtures.h"
#include "signaturecheck.h"
#include "signaturefile.h"

#include <QSettings>

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void init() { h.reset(); }
    void updateInstallsTheNewerVersion();
    void infoFileOfTheSameNameIsReplaced();
    void changedStateWordLeavesTheOldInfoFile();
    void preReleaseInstallsAndIsRecognised();
    void unwritableInfoFileKeepsTheOldInstallation();
    void failedDownloadInstallsNothing_data();
    void failedDownloadInstallsNothing();
    void nothingToDownload();
    void additionalFileLists_data();
    void additionalFileLists();
    void additionalFileNotSaved_data();
    void additionalFileNotSaved();
    void deletionInTheBetaChannel();
    void signedUpdate_data();
    void signedUpdate();

private:
    // The stored catalogue offers Vent, appId 5, in `version`; `installed` is an info file of
    // an earlier installation.
    void offer(const QString& version, const QString& installed = QString());
    // Serves library and library info of Vent `version` in the release state.
    void serveVent(const QString& version, const TestHttpServer::Route& library,
                   const TestHttpServer::Route& libraryInfo = {404});
    // Starts an installation of plug-in 5 and waits for its end, good or bad.
    void install(bool isUpdate);

    ProductHarness h;
};

void TestInstallation::offer(const QString& version, const QString& installed)
{
    if (!installed.isEmpty())
        h.write("infos/Vent_" + QString(installed).replace('.', '_') + "_release.info",
                info("5", installed, "release", "01.01.2023"));
    h.loadStored(catalogue({entry("5", "Vent", version, "release")}));
}

void TestInstallation::serveVent(const QString& version, const TestHttpServer::Route& library,
                                 const TestHttpServer::Route& libraryInfo)
{
    const QString folder = "Vent/" + QString(version).replace('.', '_') + "_release/";
    h.serve(folder + "libs/Vent.dll", library);
    h.serve(folder + "Vent.info", libraryInfo);
}

void TestInstallation::install(bool isUpdate)
{
    QSignalSpy finished(h.manager, &ProductManager::downloadFinished);
    h.manager->downloadPlugin(5, isUpdate);
    QTRY_COMPARE(finished.count() + h.failed.count(), 1);
}

// A deletion recorded earlier in the run must not sweep away the fresh library.
void TestInstallation::updateInstallsTheNewerVersion()
{
    PendingDeletions::schedule("Vent.dll", h.path("libs/Vent.dll"));
    offer("1.1.0", "1.0.0");
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
    const QByteArray newInfo = info("5", "1.1.0", "release", "03.04.2024");
    serveVent("1.1.0", {200, "library 1.1.0"}, {200, newInfo});
    QSignalSpy changed(h.manager, &ProductManager::pluginsChanged);
    QSignalSpy finished(h.manager, &ProductManager::downloadFinished);

    h.manager->downloadPlugin(5, true);

    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(h.failed.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(h.server.requests(),
             (QList<QUrl>{QUrl("/storage/kelvo/Vent/1_1_0_release/libs/Vent.dll"),
                          QUrl("/storage/kelvo/Vent/1_1_0_release/Vent.info")}));
    QCOMPARE(h.read("libs/Vent.dll"), QByteArray("library 1.1.0"));
    QCOMPARE(h.infoFiles(), QStringList{"Vent_1_1_0_release.info"});
    QCOMPARE(h.read("infos/Vent_1_1_0_release.info"), indented(newInfo));
    const Product* product = h.manager->products().first();
    QCOMPARE(product->installationState(), Product::INSTALLED);
    QCOMPARE(product->installedVersion(), QString("1.1.0"));
    QCOMPARE(product->availableVersion(), QString());
    QCOMPARE(product->releaseDate(), QString("03.04.2024"));
    QVERIFY(!QSettings().contains("pluginToDelete/Vent.dll"));
    PendingDeletions::sweep();
    QVERIFY(QFileInfo::exists(h.path("libs/Vent.dll")));
}

void TestInstallation::infoFileOfTheSameNameIsReplaced()
{
    h.write("infos/Vent_1_2_0_release.info", info("99", "1.2.0", "release"));
    offer("1.2.0");
    QCOMPARE(h.manager->products().first()->installationState(), Product::NOT_INSTALLED);
    const QByteArray newInfo = info("5", "1.2.0", "release");
    serveVent("1.2.0", {200, "library"}, {200, newInfo});

    install(false);

    QCOMPARE(h.infoFiles(), QStringList{"Vent_1_2_0_release.info"});
    QCOMPARE(h.read("infos/Vent_1_2_0_release.info"), indented(newInfo));
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED);
}

void TestInstallation::changedStateWordLeavesTheOldInfoFile()
{
    offer("1.1.0", "1.0.0");
    serveVent("1.1.0", {200, "library"}, {200, info("5", "1.1.0", "beta")});

    install(true);

    QCOMPARE(h.infoFiles(), (QStringList{"Vent_1_0_0_release.info", "Vent_1_1_0_beta.info"}));
    QCOMPARE(h.manager->products().first()->releaseState(), Product::BETA);
}

// A version with a text after its number installs, and the next load recognises it.
void TestInstallation::preReleaseInstallsAndIsRecognised()
{
    offer("1.2.0-beta");
    serveVent("1.2.0-beta", {200, "library"}, {200, info("5", "1.2.0-beta", "release")});

    install(false);

    QCOMPARE(h.failed.count(), 0);
    QCOMPARE(h.infoFiles(), QStringList{"Vent_1_2_0-beta_release.info"});
    h.manager->loadPlugins(true);
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED);
}

void TestInstallation::unwritableInfoFileKeepsTheOldInstallation()
{
    QDir().mkpath(h.path("infos/Vent_1_1_0_release.info"));
    offer("1.1.0", "1.0.0");
    serveVent("1.1.0", {200, "library"}, {200, info("5", "1.1.0", "release")});

    install(true);

    QVERIFY2(h.failure().contains("Vent_1_1_0_release.info"), qPrintable(h.failure()));
    QCOMPARE(h.infoFiles(), QStringList{"Vent_1_0_0_release.info"});
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
}

void TestInstallation::failedDownloadInstallsNothing_data()
{
    QTest::addColumn<TestHttpServer::Route>("library");
    QTest::addColumn<TestHttpServer::Route>("libraryInfo");
    QTest::addColumn<QString>("failure");
    // What is left in the libs folder, and how many requests were made.
    QTest::addColumn<QByteArray>("libraryLeft");
    QTest::addColumn<int>("requests");
    QTest::addColumn<qint64>("sizeLimit");
    const TestHttpServer::Route library{200, "library"};
    QTest::newRow("library above the size limit")
        << TestHttpServer::Route{200, QByteArray(4096, 'n')} << TestHttpServer::Route{}
        << "larger than the limit of 1024 bytes --- Vent.dll" << QByteArray("previous library") << 1
        << qint64(1024);
    QTest::newRow("library closed mid-body")
        << TestHttpServer::Route{200, QByteArray(4096, 'n'), 0, 0, 0, true}
        << TestHttpServer::Route{} << " --- Vent.dll" << QByteArray("previous library") << 1
        << qint64(0);
    QTest::newRow("library empty")
        << TestHttpServer::Route{200, ""} << TestHttpServer::Route{} << "404 Not Found"
        << QByteArray("previous library") << 1 << qint64(0);
    // The new library replaces the previous one only together with a usable info.
    QTest::newRow("info is an error page")
        << library << TestHttpServer::Route{200, "<h1>404 Not Found</h1>"} << " --- Vent.info"
        << QByteArray("previous library") << 2 << qint64(0);
    QTest::newRow("info version with a path")
        << library << TestHttpServer::Route{200, info("5", "../../1", "release")} << "unusable"
        << QByteArray("previous library") << 2 << qint64(0);
    QTest::newRow("info with an unknown state")
        << library << TestHttpServer::Route{200, info("5", "1.2.0", "../x")} << "unusable"
        << QByteArray("previous library") << 2 << qint64(0);
    QTest::newRow("library is an error page")
        << TestHttpServer::Route{200, "<html><h1>404 Not Found</h1></html>"}
        << TestHttpServer::Route{} << "404 Not Found" << QByteArray("previous library") << 1
        << qint64(0);
    // No library left: a folder takes the library's place.
    QTest::newRow("library unwritable")
        << library << TestHttpServer::Route{200, info("5", "1.2.0", "release")} << "libs/Vent.dll"
        << QByteArray() << 2 << qint64(0);
}

void TestInstallation::failedDownloadInstallsNothing()
{
    QFETCH(TestHttpServer::Route, library);
    QFETCH(TestHttpServer::Route, libraryInfo);
    QFETCH(QString, failure);
    QFETCH(QByteArray, libraryLeft);
    QFETCH(int, requests);
    QFETCH(qint64, sizeLimit);
    if (libraryLeft.isEmpty())
        QDir().mkpath(h.path("libs/Vent.dll"));
    else
        h.write("libs/Vent.dll", "previous library");
    offer("1.2.0");
    serveVent("1.2.0", library, libraryInfo);
    QSignalSpy finished(h.manager, &ProductManager::downloadFinished);

    h.manager->downloadPlugin(5, false);
    if (sizeLimit > 0)
        h.manager->handler()->setMaxReplyBytesForTesting(sizeLimit);
    QTRY_COMPARE(h.failed.count(), 1);

    QVERIFY2(h.failure().contains(failure), qPrintable(h.failure()));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(h.read("libs/Vent.dll"), libraryLeft);
    QCOMPARE(QDir(h.path("libs")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Vent.dll"});
    QCOMPARE(h.server.requests().size(), requests);
    QVERIFY(h.infoFiles().isEmpty());
    QCOMPARE(h.manager->products().first()->installationState(), Product::NOT_INSTALLED);
}

void TestInstallation::nothingToDownload()
{
    offer("1.2.0");

    h.manager->downloadPlugin(77, false);
    QVERIFY2(h.failure().contains("appId 77"), qPrintable(h.failure()));

    h.failed.clear();
    h.manager->downloadPlugin(5, true);
    QVERIFY2(h.failure().contains("Vent"), qPrintable(h.failure()));
    QVERIFY(h.server.requests().isEmpty());
}

void TestInstallation::additionalFileLists_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("rejected");
    // The files go to the folder that the list names first, whatever plug-in asked for it.
    QTest::newRow("another folder")
        << QByteArray(R"(["KastorPlus", "fw.bin"])") << "KastorPlus/fw.bin" << 0;
    QTest::newRow("hostile folder") << QByteArray(R"(["../..", "a.bin"])") << "" << 1;
    QTest::newRow("hostile file names")
        << QByteArray(R"(["Vent", "../../x", "a\\b", "..", "C:", 7, "ok.bin"])") << "Vent/ok.bin"
        << 5;
    QTest::newRow("names Windows refuses or aliases")
        << QByteArray(R"(["Vent", "CON", "aux.bin", "a?.bin", "b*.bin", "x.", "%2e%2e", "ok.bin"])")
        << "Vent/ok.bin" << 6;
    QTest::newRow("no array") << QByteArray(R"({"Vent": ["a.bin"]})") << "" << 0;
}

void TestInstallation::additionalFileLists()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, saved);
    QFETCH(int, rejected);
    h.serve("Vent/firmwares/firmware.info", {200, list});
    // "firmwares/Vent/a.bin" on disk lies at "Vent/firmwares/a.bin" on the server.
    if (!saved.isEmpty())
        h.serve(saved.section('/', 0, 0) + "/firmwares/" + saved.section('/', 1),
                {200, "firmware"});
    const QStringList before = h.outsideData();
    QSignalSpy rejections(h.manager, &ProductManager::additionalFileRejected);
    QSignalSpy errors(h.manager, &ProductManager::errorOccured);

    h.manager->requestFirmwareList("Vent");

    QTRY_COMPARE(h.server.requests().size(), saved.isEmpty() ? 1 : 2);
    QTRY_COMPARE(rejections.count(), rejected);
    // A document that is no list is reported as corrupt.
    QCOMPARE(errors.count(), int(!list.startsWith('[')));
    if (!saved.isEmpty())
        QTRY_COMPARE(h.read("firmwares/" + saved), QByteArray("firmware"));
    QCOMPARE(h.server.requests().size(), saved.isEmpty() ? 1 : 2);
    QCOMPARE(h.failed.count(), 0);
    QStringList written;
    QDirIterator files(h.path("firmwares"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        written.append(QDir(h.path("firmwares")).relativeFilePath(files.next()));
    QCOMPARE(written, saved.isEmpty() ? QStringList() : QStringList{saved});
    QCOMPARE(h.outsideData(), before);
}

void TestInstallation::additionalFileNotSaved_data()
{
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<QString>("failure");
    QTest::newRow("error page with success status")
        << TestHttpServer::Route{200, "<html><h1>404 Not Found</h1></html>"} << "404 Not Found";
    QTest::newRow("empty body") << TestHttpServer::Route{200, ""} << "404 Not Found";
    QTest::newRow("closed mid-body")
        << TestHttpServer::Route{200, QByteArray(4096, 'n'), 0, 0, 0, true} << " --- a.bin";
}

void TestInstallation::additionalFileNotSaved()
{
    QFETCH(TestHttpServer::Route, route);
    QFETCH(QString, failure);
    h.write("firmwares/Vent/a.bin", "previous firmware");
    h.serve("Vent/firmwares/firmware.info", {200, R"(["Vent", "a.bin"])"});
    h.serve("Vent/firmwares/a.bin", route);

    h.manager->requestFirmwareList("Vent");

    QTRY_COMPARE(h.failed.count(), 1);
    QVERIFY2(h.failure().contains(failure), qPrintable(h.failure()));
    QCOMPARE(h.read("firmwares/Vent/a.bin"), QByteArray("previous firmware"));
    QCOMPARE(QDir(h.path("firmwares/Vent")).entryList(QDir::Files), QStringList{"a.bin"});
}

void TestInstallation::deletionInTheBetaChannel()
{
    h.manager->setCurrentReleaseState(Product::BETA);
    const QString library = h.path("libs/Vent_beta.dll");
    h.write("libs/Vent_beta.dll", "library");
    h.write("infos/Vent_1_1_0_beta.info", info("5", "1.1.0", "beta"));
    h.loadStored(
        catalogue({entry("5", "Vent", "1.0.0", "release"), entry("5", "Vent", "1.1.0", "beta")}));
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED);
    QStringList signalOrder;
    connect(h.manager, &ProductManager::pluginsChanged, this,
            [&] { signalOrder.append("pluginsChanged"); });
    connect(h.manager, &ProductManager::pluginDeleted, this,
            [&](int appId) { signalOrder.append("pluginDeleted " + QString::number(appId)); });

    h.manager->deletePlugin(5);

    disconnect(h.manager, nullptr, this, nullptr);
    QCOMPARE(signalOrder, (QStringList{"pluginsChanged", "pluginDeleted 5"}));
    const Product* product = h.manager->products().first();
    QCOMPARE(product->installationState(), Product::INSTALLED_DELETED);
    QCOMPARE(product->releaseDate(), QString());
    QVERIFY(h.infoFiles().isEmpty());
    QCOMPARE(QSettings().value("pluginToDelete/Vent_beta.dll").toString(), library);
    QVERIFY(QFileInfo::exists(library));

    PendingDeletions::sweep();

    QVERIFY(!QFileInfo::exists(library));
    QVERIFY(!QSettings().contains("pluginToDelete/Vent_beta.dll"));
}

void TestInstallation::signedUpdate_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("signedVersion");
    QTest::addColumn<bool>("makersKey");
    QTest::addColumn<QByteArray>("library"); // served instead of the signed one, when set
    QTest::addColumn<QByteArray>("libraryInfo");
    QTest::addColumn<bool>("signatureServed");
    QTest::addColumn<QString>("failure"); // empty: the update is installed
    const QString folder = "Vent/1_1_0_release/";
    QTest::newRow("good") << "1.1.0"
                          << "1.1.0" << true << QByteArray() << QByteArray() << true << "";
    QTest::newRow("changed library")
        << "1.1.0"
        << "1.1.0" << true << QByteArray("library 1.1.1") << QByteArray() << true
        << folder + "libs/Vent.dll: its SHA-256 digest differs from the signed one";
    QTest::newRow("swapped info") << "1.1.0"
                                  << "1.1.0" << true << QByteArray()
                                  << info("5", "1.1.0", "release", "09.09.2024") << true
                                  << folder + "Vent.info: its SHA-256 digest differs";
    QTest::newRow("unknown key") << "1.1.0"
                                 << "1.1.0" << false << QByteArray() << QByteArray() << true
                                 << folder + "signature.json: it is signed by an unknown key";
    QTest::newRow("manifest of another version")
        << "1.1.0"
        << "1.2.0" << true << QByteArray() << QByteArray() << true
        << folder + "signature.json: the signature covers version \"1.2.0\", not \"1.1.0\"";
    // A later release date makes the older version look like an update.
    QTest::newRow("older signed version offered as newer")
        << "0.9.0"
        << "0.9.0" << true << QByteArray() << QByteArray() << true
        << "Vent/0_9_0_release/signature.json: the signed version 0.9.0 is not newer than the "
           "installed 1.0.0";
    QTest::newRow("missing signature file")
        << "1.1.0"
        << "1.1.0" << true << QByteArray() << QByteArray() << false << folder + "signature.json";
    QTest::newRow("truncated library")
        << "1.1.0"
        << "1.1.0" << true << QByteArray("library 1.1") << QByteArray() << true
        << folder + "libs/Vent.dll: it has 11 bytes, the signed manifest says 13";
}

// Whatever is refused, nothing of the installed version is replaced or deleted.
void TestInstallation::signedUpdate()
{
    QFETCH(QString, offered);
    QFETCH(QString, signedVersion);
    QFETCH(bool, makersKey);
    QFETCH(QByteArray, library);
    QFETCH(QByteArray, libraryInfo);
    QFETCH(bool, signatureServed);
    QFETCH(QString, failure);
    QString error;
    const Ed25519::KeyPair maker = Ed25519::generate(&error);
    const Ed25519::KeyPair stranger = Ed25519::generate(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    SignatureCheck::trustKeys({QString::fromLatin1(maker.publicKey.toBase64())});
    const auto checksOff = qScopeGuard([] { SignatureCheck::trustKeys({}); });

    h.write("libs/Vent.dll", "library 1.0.0");
    offer(offered, "1.0.0");
    const QByteArray signedLibrary = "library " + signedVersion.toLatin1();
    const QByteArray signedInfo = info("5", signedVersion, "release", "03.04.2024");
    const Manifest release{Manifest::PLUGIN,
                           "Vent",
                           signedVersion,
                           "release",
                           {Manifest::describe("libs/Vent.dll", signedLibrary),
                            Manifest::describe("Vent.info", signedInfo)}};
    const SignatureFile signature =
        SignatureFile::sign(release, makersKey ? maker.privatePem : stranger.privatePem, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    serveVent(offered, {200, library.isEmpty() ? signedLibrary : library},
              {200, libraryInfo.isEmpty() ? signedInfo : libraryInfo});
    if (signatureServed)
        h.serve("Vent/" + QString(offered).replace('.', '_') + "_release/signature.json",
                {200, signature.toJson()});

    install(true);

    if (failure.isEmpty()) {
        QCOMPARE(h.failed.count(), 0);
        QCOMPARE(h.read("libs/Vent.dll"), signedLibrary);
        QCOMPARE(h.infoFiles(), QStringList{"Vent_1_1_0_release.info"});
        QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED);
        return;
    }
    QVERIFY2(h.failure().contains(failure), qPrintable(h.failure()));
    QCOMPARE(h.read("libs/Vent.dll"), QByteArray("library 1.0.0"));
    QCOMPARE(h.infoFiles(), QStringList{"Vent_1_0_0_release.info"});
    QCOMPARE(h.read("infos/Vent_1_0_0_release.info"), info("5", "1.0.0", "release", "01.01.2023"));
    QCOMPARE(h.manager->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
