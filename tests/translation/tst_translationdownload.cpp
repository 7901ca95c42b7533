#include "globals.h"
#include "testenvironment.h"
#include "testhttpserver.h"
#include "translator.h"

#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

namespace {

using Route = TestHttpServer::Route;

const QString NAMES_PATH = QStringLiteral("/getPluginNames.php");

QString shellPath(const QString& code)
{
    return QStringLiteral("/storage/kelvo//translations/qmk_%1.qm").arg(code);
}

QString pluginPath(const QString& name, const QString& code)
{
    return QStringLiteral("/storage/kelvo/%1/translations/%1_%2.qm").arg(name, code);
}

} // namespace

Q_DECLARE_METATYPE(TestHttpServer::Route)

// The download of the translation files at start, against a real HTTP server on loopback.
class TestTranslationDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void requestsEveryFileOnceThenCallsBackOnce_data();
    void requestsEveryFileOnceThenCallsBackOnce();
    void namesListFailureStillCallsBack_data();
    void namesListFailureStillCallsBack();
    void onlyWholeRepliesReplaceStoredFiles_data();
    void onlyWholeRepliesReplaceStoredFiles();

private:
    // Runs the download and returns how often the call-back ran once the event loop is idle.
    int download(Translator& translator);
    QByteArray stored(const QString& fileName) const;

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QQmlEngine m_engine;
};

void TestTranslationDownload::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    QCOMPARE(Globals::serverBaseUrl(), m_server.baseUrl());
}

void TestTranslationDownload::init()
{
    m_environment.clear();
    m_server.clearRequests();
    m_server.removeRoute(NAMES_PATH);
}

int TestTranslationDownload::download(Translator& translator)
{
    int calls = 0;
    QObject receiver;
    translator.downloadTranslations(Globals::KELVO_APP_ID, &receiver, [&calls] { ++calls; });
    if (!QTest::qWaitFor([&calls] { return calls > 0; }, 10000))
        return 0;
    QCoreApplication::processEvents();
    return calls;
}

QByteArray TestTranslationDownload::stored(const QString& fileName) const
{
    QFile file(m_environment.appDataPath() + QStringLiteral("/translations/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void TestTranslationDownload::requestsEveryFileOnceThenCallsBackOnce_data()
{
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QStringList>("requestedNames");
    QTest::addColumn<int>("failures");

    QTest::newRow("empty list: not even the shell's files")
        << QByteArray("[]") << QStringList{} << 0;
    QTest::newRow("two names: 19 x 3 files")
        << QByteArray(R"(["alpha","beta"])") << QStringList{"alpha", "beta"} << 0;
    QTest::newRow("a name that is no plain file name is skipped")
        << QByteArray(R"(["../../etc","alpha","a/b"])") << QStringList{"alpha"} << 2;
}

void TestTranslationDownload::requestsEveryFileOnceThenCallsBackOnce()
{
    QFETCH(QByteArray, names);
    QFETCH(QStringList, requestedNames);
    QFETCH(int, failures);
    m_server.setFile(NAMES_PATH, names);
    Translator translator(&m_engine, m_engine.rootContext());
    QSignalSpy failed(&translator, &Translator::downloadFailed);

    QCOMPARE(download(translator), 1);

    QList<QUrl> requests = m_server.requests();
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.takeFirst().toString(), QStringLiteral("/getPluginNames.php?appId=6"));
    QStringList expected;
    if (names != "[]") {
        for (const QString& code : Translator::languageCodes()) {
            expected << shellPath(code);
            for (const QString& name : requestedNames)
                expected << pluginPath(name, code);
        }
    }
    QStringList seen;
    for (const QUrl& request : requests)
        seen << request.path();
    expected.sort();
    seen.sort();
    QCOMPARE(seen, expected);
    QCOMPARE(seen.size(), names == "[]" ? 0 : 19 * (1 + requestedNames.size()));
    QCOMPARE(failed.count(), failures);
    QVERIFY(!QFile::exists(m_environment.root() + QStringLiteral("/etc_de.qm")));
}

void TestTranslationDownload::namesListFailureStillCallsBack_data()
{
    QTest::addColumn<Route>("route");

    QTest::newRow("not found") << Route{404, "404 Not Found"};
    QTest::newRow("not JSON") << Route{200, "<html>maintenance</html>"};
    QTest::newRow("cut off") << Route{200, R"(["alpha","beta","gamma"])", 0, 0, 0, true};
}

void TestTranslationDownload::namesListFailureStillCallsBack()
{
    QFETCH(Route, route);
    m_server.setRoute(NAMES_PATH, route);
    Translator translator(&m_engine, m_engine.rootContext());
    QSignalSpy failed(&translator, &Translator::downloadFailed);

    QCOMPARE(download(translator), 1);
    QCOMPARE(m_server.requests().size(), 1);
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().endsWith(QStringLiteral(" --- getPluginNames.php")));
}

void TestTranslationDownload::onlyWholeRepliesReplaceStoredFiles_data()
{
    QTest::addColumn<Route>("polish");
    QTest::addColumn<int>("failures");

    QTest::newRow("404") << Route{404, "<h1>404 Not Found</h1>"} << 0;
    QTest::newRow("404 page with success status") << Route{200, "<h1>404 Not Found</h1>"} << 0;
    QTest::newRow("empty") << Route{200, ""} << 0;
    QTest::newRow("truncated") << Route{200, QByteArray(4096, 'n'), 0, 0, 0, true} << 1;
    QTest::newRow("server error") << Route{500, "database down"} << 1;
}

// The good older Polish file of one plug-in stays whatever comes instead; the other files of
// the same download are replaced, and the call-back still runs exactly once.
void TestTranslationDownload::onlyWholeRepliesReplaceStoredFiles()
{
    QFETCH(Route, polish);
    QFETCH(int, failures);
    const QString folder = m_environment.appDataPath() + QStringLiteral("/translations/");
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : {QStringLiteral("alpha_pl.qm"), QStringLiteral("alpha_de.qm")}) {
        QFile file(folder + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("older");
    }
    m_server.setFile(NAMES_PATH, R"(["alpha"])");
    m_server.setFile(pluginPath(QStringLiteral("alpha"), QStringLiteral("de")), "newer de");
    m_server.setFile(shellPath(QStringLiteral("pl")), "newer qmk pl");
    m_server.setRoute(pluginPath(QStringLiteral("alpha"), QStringLiteral("pl")), polish);
    Translator translator(&m_engine, m_engine.rootContext());
    QSignalSpy failed(&translator, &Translator::downloadFailed);

    QCOMPARE(download(translator), 1);
    QCOMPARE(stored(QStringLiteral("alpha_pl.qm")), QByteArray("older"));
    QCOMPARE(stored(QStringLiteral("alpha_de.qm")), QByteArray("newer de"));
    QCOMPARE(stored(QStringLiteral("qmk_pl.qm")), QByteArray("newer qmk pl"));
    QCOMPARE(stored(QStringLiteral("qmk_de.qm")), QByteArray("<none>"));
    QCOMPARE(failed.count(), failures);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

QTEST_MAIN(TestTranslationDownload)
#include "tst_translationdownload.moc"
