#include "bundlemanager.h"
#include "ed25519.h"
#include "productmanager.h"
#include "signaturecheck.h"
#include "signaturefile.h"
#include "testenvironment.h"
#include "testhttpserver.h"
#include "typeregistration.h"
#include "updatefixtures.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using Route = TestHttpServer::Route;
Q_DECLARE_METATYPE(Route)

namespace {

// The update description of the changelog document: paths below the storage URL.
const QJsonObject DESCRIPTION{{"download-url", "zip/BhZipper.exe"},
                              {"download-dll", "zip/Qt5Core.dll"},
                              {"extension-dll", "zip/msvcp140.dll"},
                              {"extension2-dll", "zip/vcruntime140.dll"}};
// Stored file name -> content as the server delivers it.
const QMap<QString, QByteArray> SERVED{{"BhZipper.exe", "extractor"},
                                       {"Qt5Core.dll", "core"},
                                       {"msvcp140.dll", "c++"},
                                       {"qmk.dat", "archive"},
                                       {"vcruntime140.dll", "runtime"}};

QVariantList error(BundleManager::UpdateErrors value)
{
    return {6, QVariant::fromValue(value)};
}

} // namespace

class TestBundleManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    // First: nothing clears the changelog document once one has arrived.
    void downloadBeforeAnyChangelog();
    void versionCheck_data();
    void versionCheck();
    void changelog_data();
    void changelog();
    void download_data();
    void download();
    void wronglyNamedLibrary();
    void runUpdate_data();
    void runUpdate();
    void signedUpdate_data();
    void signedUpdate();
    void screensReachTheManager();

private:
    void serve(const QString& path, const Route& route);
    // Serves a changelog with `log` and `description` and lets the manager receive it.
    void receiveChangelog(const QJsonObject& log, const QJsonObject& description = DESCRIPTION);
    // Serves the five files of DESCRIPTION, downloads them and waits for the end.
    void download(const QString& key, const QString& path, const Route& route);
    QString folder() const { return m_environment.appDataPath() + "/bundleUpdate"; }
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& content) const;

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QStringList m_routes;
    BundleManager* m_manager = nullptr;
    std::unique_ptr<QSignalSpy> m_ready, m_errors, m_failed;
};

void TestBundleManager::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_manager = BundleManager::instance();
    QCOMPARE(BundleManager::instance(), m_manager);
}

void TestBundleManager::init()
{
    for (const QString& path : std::as_const(m_routes))
        m_server.removeRoute(path);
    m_routes.clear();
    m_server.clearRequests();
    m_environment.clear();
    m_ready = std::make_unique<QSignalSpy>(m_manager, &BundleManager::updateReady);
    m_errors = std::make_unique<QSignalSpy>(m_manager, &BundleManager::errorOccured);
    m_failed = std::make_unique<QSignalSpy>(m_manager, &BundleManager::downloadFailed);
}

void TestBundleManager::serve(const QString& path, const Route& route)
{
    m_server.setRoute("/storage/kelvo/" + path, route);
    m_routes << "/storage/kelvo/" + path;
}

void TestBundleManager::receiveChangelog(const QJsonObject& log, const QJsonObject& description)
{
    const QJsonObject document{{"changelog", log},
                               {"BhZipper", QJsonObject{{"windows", description}}}};
    serve("changelog.json", {200, QJsonDocument(document).toJson()});
    QSignalSpy changelog(m_manager, &BundleManager::changeLogAvailable);
    m_manager->downloadChangelog();
    QVERIFY(changelog.wait(5000));
    QCOMPARE(m_server.requests(), QList<QUrl>{QUrl("/storage/kelvo/changelog.json")});
    m_server.clearRequests();
}

void TestBundleManager::download(const QString& key, const QString& path, const Route& route)
{
    QJsonObject description = DESCRIPTION;
    if (!key.isEmpty())
        description[key] = path;
    receiveChangelog({}, description);
    serve("qmk.dat", {200, SERVED["qmk.dat"]});
    for (const QJsonValue& file : DESCRIPTION)
        serve(file.toString(), {200, SERVED[file.toString().mid(4)]});
    serve(path, route);
    m_manager->downloadUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(m_ready->count() + m_errors->count(), 1, 5000);
    QCOMPARE(m_server.requests().size(), 5);
}

QByteArray TestBundleManager::read(const QString& name) const
{
    QFile file(folder() + '/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestBundleManager::write(const QString& name, const QByteArray& content) const
{
    QDir().mkpath(folder());
    QFile file(folder() + '/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

void TestBundleManager::downloadBeforeAnyChangelog()
{
    m_manager->downloadUpdate();
    // A request would be under way: the round trip of a later one shows whether there was one.
    serve("kelvo.info", {200, R"({"version": "2.1.0"})"});
    QSignalSpy details(m_manager, &BundleManager::kelvoDetailsReceived);
    m_manager->checkForUpdates();
    QVERIFY(details.wait(5000));
    QCOMPARE(m_server.requests(), QList<QUrl>{QUrl("/storage/kelvo/kelvo.info")});
    QCOMPARE(m_ready->count() + m_errors->count() + m_failed->count(), 0);
}

void TestBundleManager::versionCheck_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QVariantList>("details"); // kelvoDetailsReceived; empty when none

    QTest::newRow("2.1.0") << QByteArray(R"({"version": "2.1.0"})") << QVariantList{"2.1.0", true};
    QTest::newRow("2.1") << QByteArray(R"({"version": "2.1"})") << QVariantList{"2.1", false};
    QTest::newRow("2.0.9") << QByteArray(R"({"version": "2.0.9"})") << QVariantList{"2.0.9", false};
    QTest::newRow("2.1.0-beta") << QByteArray(R"({"version": "2.1.0-beta"})")
                                << QVariantList{"2.1.0", true};
    QTest::newRow("no version") << QByteArray("{}") << QVariantList{"", false};
    QTest::newRow("array: corrupt") << QByteArray(R"(["2.1.0"])") << QVariantList();
    QTest::newRow("not JSON: failed") << QByteArray("<html>") << QVariantList();
}

void TestBundleManager::versionCheck()
{
    QFETCH(QByteArray, document);
    QFETCH(QVariantList, details);
    serve("kelvo.info", {200, document});
    QSignalSpy received(m_manager, &BundleManager::kelvoDetailsReceived);

    m_manager->checkForUpdates();

    QTRY_COMPARE_WITH_TIMEOUT(received.count() + m_errors->count() + m_failed->count(), 1, 5000);
    QCOMPARE(received.value(0), details);
    if (QByteArray(QTest::currentDataTag()).endsWith("corrupt"))
        QCOMPARE(m_errors->value(0), error(BundleManager::JSON_CORRUPT));
    if (QByteArray(QTest::currentDataTag()).endsWith("failed"))
        QVERIFY(m_failed->value(0).value(0).toString().endsWith(" --- kelvo.info"));
}

void TestBundleManager::changelog_data()
{
    QTest::addColumn<QVariant>("language"); // the stored setting; invalid: none
    QTest::addColumn<QString>("text");

    QTest::newRow("no language setting: en")
        << QVariant() << "Fixes: \n\nfix one\nfix two\n\n\n\n\nFeatures: \n\nfeature\n";
    QTest::newRow("de") << QVariant("de") << "Changes: \n\nÄnderung\n";
    QTest::newRow("fr, only de and en") << QVariant("fr") << "";
}

void TestBundleManager::changelog()
{
    QFETCH(QVariant, language);
    QFETCH(QString, text);
    if (language.isValid())
        QSettings().setValue("translator/language", language);
    QSignalSpy changelog(m_manager, &BundleManager::changeLogAvailable);

    receiveChangelog(
        {{"Fixes", QJsonObject{{"en", QJsonArray{"fix one", "fix two"}}, {"de", QJsonArray{}}}},
         {"Changes", QJsonObject{{"de", QJsonArray{"Änderung"}}}},
         {"Features", QJsonObject{{"en", QJsonArray{"feature"}}}}});

    QCOMPARE(changelog.value(0), (QVariantList{6, text}));
}

void TestBundleManager::download_data()
{
    // The extractor's URL and the server's answer; every other file is served well.
    QTest::addColumn<QString>("path");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("failure"); // the end of downloadFailed's text; "" when ready

    const QString path = "zip/BhZipper.exe";
    QTest::newRow("five files") << path << Route{200, "extractor"} << "";
    QTest::newRow("server error with a body")
        << path << Route{500, "half"} << "Internal Server Error --- BhZipper.exe";
    QTest::newRow("closed mid-body")
        << path << Route{200, QByteArray(4096, 'x'), 0, 0, 0, true} << " --- BhZipper.exe";
    QTest::newRow("empty body") << path << Route{200, ""} << "404 Not Found --- BhZipper.exe";
    QTest::newRow("URL names a folder") << "zip/" << Route{200, "index"} << "not a plain file name";
    QTest::newRow("backslashes in the name")
        << "zip/..%5C..%5CBhZipper.exe" << Route{200, "evil"} << "not a plain file name";
}

// A failed file never replaces the one of an earlier update, and the update is then never
// reported ready.
void TestBundleManager::download()
{
    QFETCH(QString, path);
    QFETCH(Route, route);
    QFETCH(QString, failure);
    write("BhZipper.exe", "previous");

    download("download-url", path, route);

    QMap<QString, QByteArray> expected = SERVED;
    if (failure.isEmpty()) {
        QCOMPARE(m_ready->count(), 1);
        QCOMPARE(m_failed->count(), 0);
    } else {
        QCOMPARE(m_errors->value(0), error(BundleManager::DOWNLOAD_INCOMPLETE));
        QCOMPARE(m_failed->count(), 1);
        QVERIFY2(m_failed->value(0).value(0).toString().endsWith(failure),
                 qPrintable(m_failed->value(0).value(0).toString()));
        expected["BhZipper.exe"] = "previous";
    }
    QStringList stored = QDir(folder()).entryList(QDir::Files);
    stored.sort();
    QCOMPARE(stored, expected.keys());
    for (const QString& name : stored)
        QCOMPARE(read(name), expected[name]);
    QCOMPARE(QDir(m_environment.appDataPath()).entryList(QDir::Files), QStringList());
}

void TestBundleManager::wronglyNamedLibrary()
{
    download("extension-dll", "zip/msvcp141.dll", {200, "c++"});
    QCOMPARE(m_ready->count(), 1);
    QCOMPARE(read("msvcp141.dll"), "c++");

    m_manager->runUpdate();
    QCOMPARE(m_errors->value(0), error(BundleManager::ARCHIVE_LOST));
    QVERIFY(m_failed->value(0).value(0).toString().endsWith("lacks msvcp140.dll"));
}

void TestBundleManager::runUpdate_data()
{
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<bool>("standIn"); // the extractor is our stand-in, else a text file
    QTest::addColumn<QVariantList>("error");

    QTest::newRow("all five") << QStringList() << true << QVariantList();
    QTest::newRow("archive and extractor missing")
        << QStringList{"BhZipper.exe", "qmk.dat"} << true << error(BundleManager::ARCHIVE_LOST);
    QTest::newRow("last library missing")
        << QStringList{"vcruntime140.dll"} << true << error(BundleManager::ARCHIVE_LOST);
    QTest::newRow("extractor is no program")
        << QStringList() << false << error(BundleManager::DOWNLOAD_INCOMPLETE);
}

void TestBundleManager::runUpdate()
{
    QFETCH(QStringList, absent);
    QFETCH(bool, standIn);
    QFETCH(QVariantList, error);
    for (const QString& name : SERVED.keys())
        write(name, SERVED[name]);
    const QString extractor = folder() + "/BhZipper.exe";
    if (standIn) {
        QVERIFY(QFile::remove(extractor));
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                                "/tools/bhzipper/BhZipper.exe",
                            extractor));
        // As a download leaves it: without execute permission.
        QVERIFY(QFile::setPermissions(extractor, QFile::ReadOwner | QFile::WriteOwner));
    }
    for (const QString& name : absent)
        QVERIFY(QFile::remove(folder() + '/' + name));

    m_manager->runUpdate();

    if (!error.isEmpty()) {
        QCOMPARE(m_errors->value(0), error);
        QCOMPARE(m_failed->count(), 1);
        QCOMPARE(extractorStarts(folder()).size(), 0);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(extractorStarts(folder()).size(), 1, 5000);
    QCOMPARE(extractorStarts(folder()).value(0)["arguments"].toArray(),
             expectedExtractorArguments(folder()));
    QCOMPARE(extractorStarts(folder()).value(0)["workingDirectory"].toString(),
             QDir::currentPath());
    QCOMPARE(m_errors->count() + m_failed->count(), 0);
}

void TestBundleManager::signedUpdate_data()
{
    QTest::addColumn<QString>("signedVersion");
    QTest::addColumn<bool>("makersKey");
    QTest::addColumn<QByteArray>("archive"); // served instead of the signed one, when set
    QTest::addColumn<bool>("signatureServed");
    QTest::addColumn<bool>("changedAfterDownload");
    QTest::addColumn<QString>("failure"); // empty: the extractor starts
    QTest::addColumn<QVariantList>("error");

    const QVariantList incomplete = error(BundleManager::DOWNLOAD_INCOMPLETE);
    QTest::newRow("good") << "2.2.0" << true << QByteArray() << true << false << ""
                          << QVariantList();
    QTest::newRow("archive changed in the update folder")
        << "2.2.0" << true << QByteArray() << true << true
        << "qmk.dat: its SHA-256 digest differs from the signed one"
        << error(BundleManager::ARCHIVE_LOST);
    QTest::newRow("changed archive")
        << "2.2.0" << true << QByteArray("archivX") << true << false
        << "qmk.dat: its SHA-256 digest differs from the signed one" << incomplete;
    QTest::newRow("truncated archive")
        << "2.2.0" << true << QByteArray("arch") << true << false
        << "qmk.dat: it has 4 bytes, the signed manifest says 7" << incomplete;
    QTest::newRow("unknown key") << "2.2.0" << false << QByteArray() << true << false
                                 << "signed by an unknown key" << incomplete;
    QTest::newRow("older signed update replayed")
        << "2.0.0" << true << QByteArray() << true << false
        << "the signed update 2.0.0 is not newer than this shell 2.1.0" << incomplete;
    QTest::newRow("missing signature file") << "2.2.0" << true << QByteArray() << false << false
                                            << "update-signature.json" << incomplete;
}

// Nothing unsigned is stored in the update folder, and the extractor starts only on files that
// still match the signature.
void TestBundleManager::signedUpdate()
{
    QFETCH(QString, signedVersion);
    QFETCH(bool, makersKey);
    QFETCH(QByteArray, archive);
    QFETCH(bool, signatureServed);
    QFETCH(bool, changedAfterDownload);
    QFETCH(QString, failure);
    QFETCH(QVariantList, error);
    QString problem;
    const Ed25519::KeyPair maker = Ed25519::generate(&problem);
    const Ed25519::KeyPair stranger = Ed25519::generate(&problem);
    SignatureCheck::trustKeys({QString::fromLatin1(maker.publicKey.toBase64())});
    const auto checksOff = qScopeGuard([] { SignatureCheck::trustKeys({}); });
    QFile standIn(qEnvironmentVariable("QUILLMARK_BUILD_DIR") + "/tools/bhzipper/BhZipper.exe");
    QVERIFY(standIn.open(QIODevice::ReadOnly));
    QMap<QString, QByteArray> files{{"qmk.dat", SERVED["qmk.dat"]}};
    for (const QJsonValue& path : DESCRIPTION)
        files[path.toString()] = SERVED[path.toString().mid(4)];
    files["zip/BhZipper.exe"] = standIn.readAll();
    Manifest update{Manifest::UPDATE, "qmk", signedVersion, {}, {}};
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        update.files << Manifest::describe(file.key(), file.value());
    const SignatureFile signature =
        SignatureFile::sign(update, makersKey ? maker.privatePem : stranger.privatePem, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    write("qmk.dat", "previous");
    receiveChangelog({}, DESCRIPTION);
    if (!archive.isEmpty())
        files["qmk.dat"] = archive;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        serve(file.key(), {200, file.value()});
    if (signatureServed)
        serve("update-signature.json", {200, signature.toJson()});
    m_manager->downloadUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(m_ready->count() + m_errors->count(), 1, 5000);
    if (m_ready->count() == 1) {
        QCOMPARE(read("qmk.dat"), SERVED["qmk.dat"]);
        if (changedAfterDownload)
            write("qmk.dat", "archivX");
        m_manager->runUpdate();
    }

    if (failure.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(extractorStarts(folder()).size(), 1, 5000);
        QCOMPARE(m_errors->count() + m_failed->count(), 0);
        return;
    }
    QCOMPARE(m_errors->value(0), error);
    QVERIFY2(m_failed->value(0).value(0).toString().contains(failure),
             qPrintable(m_failed->value(0).value(0).toString()));
    QCOMPARE(read("qmk.dat"), QByteArray(changedAfterDownload ? "archivX" : "previous"));
    QCOMPARE(extractorStarts(folder()).size(), 0);
}

// The update dialog compares error values by name and calls the manager's operations.
void TestBundleManager::screensReachTheManager()
{
    TypeRegistration::registerTypes();
    QCOMPARE(QMetaType::fromName("UpdateErrors"),
             QMetaType::fromType<BundleManager::UpdateErrors>());
    QQmlEngine engine;
    // As start-up publishes it; every context property of the start-up is checked in tst_shell.
    engine.rootContext()->setContextProperty(QStringLiteral("bundleManager"), m_manager);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml 2.15\nimport UpdateErrors 1.0\nQtObject {\n"
        "    property QtObject manager: bundleManager\n"
        "    property var values: [UpdateErrors.JSON_CORRUPT, UpdateErrors.ARCHIVE_LOST,"
        " UpdateErrors.DOWNLOAD_FAILED, UpdateErrors.DOWNLOAD_INCOMPLETE]\n}",
        QUrl("qrc:/inline.qml"));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("manager").value<QObject*>(), m_manager);
    QCOMPARE(object->property("values").toList(), (QVariantList{0, 1, 2, 3}));
}

QTEST_GUILESS_MAIN(TestBundleManager)
#include "tst_bundlemanager.moc"
