#include "bundlemanager.h"
#include "productmanager.h"
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

Q_DECLARE_METATYPE(TestHttpServer::Route)

namespace {

using Route = TestHttpServer::Route;

const QString STORAGE = QStringLiteral("/storage/kelvo/");

// The update description of the changelog document: key -> path below the storage URL.
const QJsonObject DESCRIPTION{{"download-url", "zip/BhZipper.exe"},
                              {"download-dll", "zip/Qt5Core.dll"},
                              {"extension-dll", "zip/msvcp140.dll"},
                              {"extension2-dll", "zip/vcruntime140.dll"}};

// Stored file name -> content as the server delivers it.
const QMap<QString, QByteArray> SERVED{{"qmk.dat", "archive"},
                                       {"BhZipper.exe", "extractor"},
                                       {"Qt5Core.dll", "core library"},
                                       {"msvcp140.dll", "c++ runtime"},
                                       {"vcruntime140.dll", "runtime"}};

QByteArray changelogDocument(const QJsonObject& log, const QJsonObject& description = DESCRIPTION)
{
    return QJsonDocument(
               QJsonObject{{"changelog", log}, {"BhZipper", QJsonObject{{"windows", description}}}})
        .toJson();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestBundleManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    // First: nothing ever clears the changelog document once one has arrived.
    void downloadBeforeAnyChangelog();
    void versionCheck_data();
    void versionCheck();
    void changelog_data();
    void changelog();
    void corruptChangelogKeepsThePreviousUpdate();
    void download_data();
    void download();
    void wronglyNamedLibrary();
    void runUpdate_data();
    void runUpdate();
    void screensReachTheManager();

private:
    void serve(const QString& path, const Route& route);
    // Serves a changelog with `description` and lets the manager receive it.
    void receiveChangelog(const QJsonObject& description = DESCRIPTION);
    // Serves the five files at the paths of DESCRIPTION.
    void serveUpdate();
    // Downloads the update and waits for its end, ready or not.
    void download(QSignalSpy& ready, QSignalSpy& errors);
    QString updateFolder() const { return m_environment.appDataPath() + "/bundleUpdate"; }
    void writeUpdateFile(const QString& name, const QByteArray& content) const;

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QStringList m_routes;
    BundleManager* m_manager = nullptr;
};

void TestBundleManager::initTestCase()
{
    // The server URL is read once by the first request.
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
}

void TestBundleManager::serve(const QString& path, const Route& route)
{
    m_server.setRoute(STORAGE + path, route);
    m_routes << STORAGE + path;
}

void TestBundleManager::receiveChangelog(const QJsonObject& description)
{
    serve("changelog.json", {200, changelogDocument({}, description)});
    QSignalSpy changelog(m_manager, &BundleManager::changeLogAvailable);
    m_manager->downloadChangelog();
    QVERIFY(changelog.wait(5000));
    m_server.clearRequests();
}

void TestBundleManager::serveUpdate()
{
    serve("qmk.dat", {200, SERVED["qmk.dat"]});
    for (const QJsonValue& path : DESCRIPTION)
        serve(path.toString(), {200, SERVED[path.toString().section('/', -1)]});
}

void TestBundleManager::download(QSignalSpy& ready, QSignalSpy& errors)
{
    m_manager->downloadUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(ready.count() + errors.count(), 1, 5000);
    QCOMPARE(m_server.requests().size(), 5);
}

void TestBundleManager::writeUpdateFile(const QString& name, const QByteArray& content) const
{
    QDir().mkpath(updateFolder());
    QFile file(updateFolder() + '/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

void TestBundleManager::downloadBeforeAnyChangelog()
{
    QSignalSpy ready(m_manager, &BundleManager::updateReady);
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);
    QSignalSpy failed(m_manager, &BundleManager::downloadFailed);

    m_manager->downloadUpdate();
    // A request would take a round trip: one to the server shows whether one was made.
    serve("kelvo.info", {200, R"({"version": "2.1.0"})"});
    QSignalSpy details(m_manager, &BundleManager::kelvoDetailsReceived);
    m_manager->checkForUpdates();
    QVERIFY(details.wait(5000));

    QCOMPARE(m_server.requests(), QList<QUrl>{QUrl("/storage/kelvo/kelvo.info")});
    QCOMPARE(ready.count() + errors.count() + failed.count(), 0);
    QVERIFY(!QFileInfo::exists(updateFolder()));
}

void TestBundleManager::versionCheck_data()
{
    QTest::addColumn<Route>("document");
    QTest::addColumn<QString>("version"); // "" with a failure or an error
    QTest::addColumn<bool>("isUpToDate");
    QTest::addColumn<QString>("failure"); // what downloadFailed says; "corrupt" for JSON_CORRUPT

    QTest::newRow("2.1.0") << Route{200, R"({"version": "2.1.0"})"} << "2.1.0" << true << "";
    QTest::newRow("2.1") << Route{200, R"({"version": "2.1"})"} << "2.1" << false << "";
    QTest::newRow("2.0.9") << Route{200, R"({"version": "2.0.9"})"} << "2.0.9" << false << "";
    QTest::newRow("2.1.0-beta") << Route{200, R"({"version": "2.1.0-beta"})"} << "2.1.0" << true
                                << "";
    QTest::newRow("no version") << Route{200, R"({"release": "2.1.0"})"} << "" << false << "";
    QTest::newRow("version as number") << Route{200, R"({"version": 2.1})"} << "" << false << "";
    QTest::newRow("not JSON") << Route{200, "<html>"} << "" << false << " --- kelvo.info";
    QTest::newRow("404") << Route{404, {}} << "" << false << " --- kelvo.info";
    QTest::newRow("array") << Route{200, R"(["2.1.0"])"} << "" << false << "corrupt";
}

void TestBundleManager::versionCheck()
{
    QFETCH(Route, document);
    QFETCH(QString, version);
    QFETCH(bool, isUpToDate);
    QFETCH(QString, failure);
    serve("kelvo.info", document);
    QSignalSpy details(m_manager, &BundleManager::kelvoDetailsReceived);
    QSignalSpy failed(m_manager, &BundleManager::downloadFailed);
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);

    m_manager->checkForUpdates();
    QTRY_COMPARE_WITH_TIMEOUT(details.count() + failed.count() + errors.count(), 1, 5000);

    if (failure == "corrupt") {
        QCOMPARE(errors.value(0),
                 (QVariantList{6, QVariant::fromValue(BundleManager::JSON_CORRUPT)}));
    } else if (!failure.isEmpty()) {
        QVERIFY2(failed.value(0).value(0).toString().endsWith(failure),
                 qPrintable(failed.value(0).value(0).toString()));
    } else {
        QCOMPARE(details.value(0), (QVariantList{version, isUpToDate}));
    }
    QCOMPARE(m_server.requests(), QList<QUrl>{QUrl("/storage/kelvo/kelvo.info")});
}

void TestBundleManager::changelog_data()
{
    QTest::addColumn<QVariant>("language"); // the stored language setting; invalid: none
    QTest::addColumn<QJsonObject>("log");
    QTest::addColumn<QString>("text");

    const QJsonObject fixesAndFeatures{
        {"Fixes", QJsonObject{{"en", QJsonArray{"fix one", "fix two"}}, {"de", QJsonArray{"F"}}}},
        {"Changes", QJsonObject{{"de", QJsonArray{"Änderung"}}}},
        {"Features", QJsonObject{{"en", QJsonArray{"feature"}}, {"de", QJsonArray{"Neu"}}}}};
    const QString english = "Fixes: \n\nfix one\nfix two\n\n\n\n\nFeatures: \n\nfeature\n";
    QTest::newRow("no language setting") << QVariant() << fixesAndFeatures << english;
    QTest::newRow("empty language setting") << QVariant("") << fixesAndFeatures << english;
    QTest::newRow("de: headings stay English")
        << QVariant("de") << fixesAndFeatures
        << "Fixes: \n\nF\n\n\n\n\nChanges: \n\nÄnderung\n\n\n\n\nFeatures: \n\nNeu\n";
    QTest::newRow("fr, only de and en") << QVariant("fr") << fixesAndFeatures << "";
    QTest::newRow("changes only") << QVariant("en")
                                  << QJsonObject{{"Changes", QJsonObject{{"en", QJsonArray{"c"}}}}}
                                  << "Changes: \n\nc\n";
}

void TestBundleManager::changelog()
{
    QFETCH(QVariant, language);
    QFETCH(QJsonObject, log);
    QFETCH(QString, text);
    if (language.isValid())
        QSettings().setValue("translator/language", language);
    serve("changelog.json", {200, changelogDocument(log)});
    QSignalSpy changelog(m_manager, &BundleManager::changeLogAvailable);

    m_manager->downloadChangelog();

    QVERIFY(changelog.wait(5000));
    QCOMPARE(changelog.value(0), (QVariantList{6, text}));
    QCOMPARE(m_server.requests(), QList<QUrl>{QUrl("/storage/kelvo/changelog.json")});
}

void TestBundleManager::corruptChangelogKeepsThePreviousUpdate()
{
    receiveChangelog();
    serve("changelog.json", {200, "[]"});
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);
    m_manager->downloadChangelog();
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.value(0), (QVariantList{6, QVariant::fromValue(BundleManager::JSON_CORRUPT)}));

    serveUpdate();
    m_server.clearRequests();
    QSignalSpy ready(m_manager, &BundleManager::updateReady);
    errors.clear();
    download(ready, errors);
    QCOMPARE(ready.count(), 1);
}

void TestBundleManager::download_data()
{
    // The extractor's URL and its answer; every other file is served well.
    QTest::addColumn<QString>("path");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("failure"); // what downloadFailed says; "" when the update is ready

    const QString path = "zip/BhZipper.exe";
    QTest::newRow("five files") << path << Route{200, SERVED["BhZipper.exe"]} << "";
    QTest::newRow("server error with a body")
        << path << Route{500, "half an extractor"} << "Internal Server Error --- BhZipper.exe";
    QTest::newRow("closed mid-body")
        << path << Route{200, QByteArray(4096, 'x'), 0, 0, 0, true} << " --- BhZipper.exe";
    QTest::newRow("empty body") << path << Route{200, ""} << "404 Not Found --- BhZipper.exe";
    QTest::newRow("error page with success status")
        << path << Route{200, "<h1>404 Not Found</h1>"} << "404 Not Found --- BhZipper.exe";
    QTest::newRow("URL names a folder")
        << "zip/" << Route{200, "index"} << "\"\" is not saved: not a plain file name";
    QTest::newRow("backslashes in the name")
        << "zip/..%5C..%5CBhZipper.exe" << Route{200, "evil"}
        << "\"..\\..\\BhZipper.exe\" is not saved: not a plain file name";
}

// A failed file never replaces the one of an earlier update, and the update is then never
// reported ready.
void TestBundleManager::download()
{
    QFETCH(QString, path);
    QFETCH(Route, route);
    QFETCH(QString, failure);
    QJsonObject description = DESCRIPTION;
    description["download-url"] = path;
    receiveChangelog(description);
    serveUpdate();
    serve(path, route);
    writeUpdateFile("BhZipper.exe", "previous extractor");
    QSignalSpy ready(m_manager, &BundleManager::updateReady);
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);
    QSignalSpy failed(m_manager, &BundleManager::downloadFailed);

    download(ready, errors);

    QMap<QString, QByteArray> expected = SERVED;
    if (failure.isEmpty()) {
        QCOMPARE(ready.count(), 1);
        QCOMPARE(failed.count(), 0);
    } else {
        QCOMPARE(errors.value(0),
                 (QVariantList{6, QVariant::fromValue(BundleManager::DOWNLOAD_INCOMPLETE)}));
        QCOMPARE(failed.count(), 1);
        QVERIFY2(failed.value(0).value(0).toString().endsWith(failure),
                 qPrintable(failed.value(0).value(0).toString()));
        expected["BhZipper.exe"] = "previous extractor";
    }
    QStringList stored = QDir(updateFolder()).entryList(QDir::Files);
    stored.sort();
    QCOMPARE(stored, QStringList(expected.keys()));
    for (auto file = expected.cbegin(); file != expected.cend(); ++file)
        QCOMPARE(readFile(updateFolder() + '/' + file.key()), file.value());
    QCOMPARE(QDir(m_environment.appDataPath()).entryList(QDir::Files), QStringList());
}

void TestBundleManager::wronglyNamedLibrary()
{
    QJsonObject description = DESCRIPTION;
    description["extension-dll"] = "zip/msvcp141.dll";
    receiveChangelog(description);
    serveUpdate();
    serve("zip/msvcp141.dll", {200, "c++ runtime"});
    QSignalSpy ready(m_manager, &BundleManager::updateReady);
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);

    download(ready, errors);
    QCOMPARE(ready.count(), 1);
    QVERIFY(QFileInfo::exists(updateFolder() + "/msvcp141.dll"));

    m_manager->runUpdate();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.value(0), (QVariantList{6, QVariant::fromValue(BundleManager::ARCHIVE_LOST)}));
    QCOMPARE(extractorStarts(updateFolder()).size(), 0);
}

void TestBundleManager::runUpdate_data()
{
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<bool>("standIn"); // the extractor is our stand-in, else a text file
    QTest::addColumn<int>("error");    // -1: none
    QTest::addColumn<QString>("failure");

    QTest::newRow("all five, no execute permission") << QStringList() << true << -1 << "";
    QTest::newRow("archive and extractor missing")
        << QStringList{"BhZipper.exe", "qmk.dat"} << true << int(BundleManager::ARCHIVE_LOST)
        << "lacks qmk.dat";
    QTest::newRow("last library missing")
        << QStringList{"vcruntime140.dll"} << true << int(BundleManager::ARCHIVE_LOST)
        << "lacks vcruntime140.dll";
    QTest::newRow("extractor is no program")
        << QStringList() << false << int(BundleManager::DOWNLOAD_INCOMPLETE)
        << "Cannot start the extractor";
}

void TestBundleManager::runUpdate()
{
    QFETCH(QStringList, absent);
    QFETCH(bool, standIn);
    QFETCH(int, error);
    QFETCH(QString, failure);
    for (const QString& name : SERVED.keys())
        writeUpdateFile(name, SERVED[name]);
    const QString extractor = updateFolder() + "/BhZipper.exe";
    if (standIn) {
        QVERIFY(QFile::remove(extractor));
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                                "/tools/bhzipper/BhZipper.exe",
                            extractor));
        // As a download leaves it.
        QVERIFY(QFile::setPermissions(extractor, QFile::ReadOwner | QFile::WriteOwner));
    }
    for (const QString& name : absent)
        QVERIFY(QFile::remove(updateFolder() + '/' + name));
    QSignalSpy errors(m_manager, &BundleManager::errorOccured);
    QSignalSpy failed(m_manager, &BundleManager::downloadFailed);

    m_manager->runUpdate();

    if (error < 0) {
        QTRY_COMPARE_WITH_TIMEOUT(extractorStarts(updateFolder()).size(), 1, 5000);
        const QJsonObject start = extractorStarts(updateFolder()).first();
        QCOMPARE(start["arguments"].toArray(), expectedExtractorArguments(updateFolder()));
        QCOMPARE(start["workingDirectory"].toString(), QDir::currentPath());
        QCOMPARE(errors.count() + failed.count(), 0);
        return;
    }
    QCOMPARE(errors.count(), 1);
    QCOMPARE(int(errors.value(0).value(1).value<BundleManager::UpdateErrors>()), error);
    QVERIFY2(failed.value(0).value(0).toString().contains(failure),
             qPrintable(failed.value(0).value(0).toString()));
    QCOMPARE(extractorStarts(updateFolder()).size(), 0);
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
        "import QtQml 2.15\nimport UpdateErrors 1.0\n"
        "QtObject {\n"
        "    property QtObject manager: bundleManager\n"
        "    property string values: [UpdateErrors.JSON_CORRUPT, UpdateErrors.ARCHIVE_LOST,\n"
        "        UpdateErrors.DOWNLOAD_FAILED, UpdateErrors.DOWNLOAD_INCOMPLETE].join(' ')\n"
        "}",
        QUrl("qrc:/inline.qml"));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("manager").value<QObject*>(), m_manager);
    QCOMPARE(object->property("values").toString(), "0 1 2 3");
}

QTEST_GUILESS_MAIN(TestBundleManager)
#include "tst_bundlemanager.moc"
