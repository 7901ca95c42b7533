#include "storageserver.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>

namespace {

constexpr int WAIT_MS = 10000;

struct Response
{
    int status = 0;
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;
};

// A client that speaks HTTP by hand, so that requests reach the server exactly as written
// (no URL normalisation) and several can be sent at once.
class RawClient
{
public:
    explicit RawClient(quint16 port) { m_socket.connectToHost(QHostAddress::LocalHost, port); }

    void send(const QByteArray& bytes) { m_socket.write(bytes); }

    // The next response; `headRequest` when it answers a HEAD and so has no body.
    std::optional<Response> read(bool headRequest = false)
    {
        if (!waitFor([this] { return m_buffer.contains("\r\n\r\n"); }))
            return std::nullopt;
        const qsizetype headEnd = m_buffer.indexOf("\r\n\r\n") + 4;
        Response response = parseHead(m_buffer.left(headEnd));
        const qsizetype length =
            headRequest ? 0 : response.headers.value("content-length").toLong();
        if (!waitFor([&] { return m_buffer.size() >= headEnd + length; }))
            return std::nullopt;
        response.body = m_buffer.mid(headEnd, length);
        m_buffer.remove(0, headEnd + length);
        return response;
    }

    bool waitForClose()
    {
        return waitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; });
    }

private:
    template <typename Condition> bool waitFor(Condition condition)
    {
        return QTest::qWaitFor(
            [&] {
                m_buffer += m_socket.readAll();
                return condition();
            },
            WAIT_MS);
    }

    static Response parseHead(const QByteArray& head)
    {
        Response response;
        QList<QByteArray> lines = head.trimmed().split('\n');
        response.status = lines.takeFirst().split(' ').value(1).toInt();
        for (const QByteArray& line : lines) {
            const qsizetype colon = line.indexOf(':');
            response.headers.insert(line.left(colon).toLower(), line.mid(colon + 1).trimmed());
        }
        return response;
    }

    QTcpSocket m_socket;
    QByteArray m_buffer;
};

QByteArray getRequest(const QByteArray& target, const QByteArray& extraHeaders = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QJsonDocument readJson(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll())
                                          : QJsonDocument();
}

const QByteArray BINARY_CONTENT = QByteArray("\x7f\x00\x01 firmware \xff\x00", 14).repeated(300);
const QByteArray SECRET = "SECRET outside the root";

} // namespace

class TestStorageServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void servesFiles_data();
    void servesFiles();
    void missingFilesAndFoldersAreNotFound_data();
    void missingFilesAndFoldersAreNotFound();
    void listsPluginNamesWithTranslations_data();
    void listsPluginNamesWithTranslations();
    void pluginNamesOfRootWithoutStorageIsEmpty();
    void servesOnlyInsideTheRoot_data();
    void servesOnlyInsideTheRoot();
    void answersPipelinedRequestsInOrder();
    void honoursConnectionPersistence_data();
    void honoursConnectionPersistence();
    void answersOtherMethodsAndMalformedRequests_data();
    void answersOtherMethodsAndMalformedRequests();
    void headAnswersWithoutBody();

    void demoStorageTreeIsComplete();
    void demoStorageListsKastorplusForTranslations();

    void executableServesAndStopsOnSignal_data();
    void executableServesAndStopsOnSignal();
    void executableRejectsBusyPortAndBadOptions_data();
    void executableRejectsBusyPortAndBadOptions();

private:
    QString rootPath() const { return m_dir.filePath(QStringLiteral("root")); }
    Response get(const QByteArray& encodedPath);

    QTemporaryDir m_dir;
    std::unique_ptr<StorageServer> m_server;
    QNetworkAccessManager m_manager;
};

void TestStorageServer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString kelvo = rootPath() + QStringLiteral("/storage/kelvo/");
    writeFile(kelvo + QStringLiteral("plugins.info"), R"({"plugins":[]})");
    writeFile(kelvo + QStringLiteral("alpha/1_0_0_release/alpha_1_0_0.json"),
              R"({"changelog":{}})");
    writeFile(kelvo + QStringLiteral("alpha/firmwares/alpha_fw.bin"), BINARY_CONTENT);
    writeFile(kelvo + QStringLiteral("alpha/assembly_instructions/Montage Übersicht.pdf"), "%PDF");
    writeFile(kelvo + QStringLiteral("delta/translations"), "a file, not a folder");
    QVERIFY(QDir().mkpath(kelvo + QStringLiteral("alpha/translations")));
    QVERIFY(QDir().mkpath(kelvo + QStringLiteral("beta/translations")));
    QVERIFY(QDir().mkpath(kelvo + QStringLiteral("gamma/firmwares")));
    QVERIFY(QDir().mkpath(kelvo + QStringLiteral("translations")));
    writeFile(m_dir.filePath(QStringLiteral("outside/secret.txt")), SECRET);
    QVERIFY(QFile::link(QStringLiteral("../outside/secret.txt"),
                        m_dir.filePath(QStringLiteral("root/link-out.txt"))));
    QVERIFY(
        QFile::link(QStringLiteral("../outside"), m_dir.filePath(QStringLiteral("root/link-dir"))));
    QVERIFY(QFile::link(QStringLiteral("storage/kelvo/plugins.info"),
                        m_dir.filePath(QStringLiteral("root/link-in.info"))));

    m_server = std::make_unique<StorageServer>(rootPath());
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

Response TestStorageServer::get(const QByteArray& encodedPath)
{
    const QUrl url = QUrl::fromEncoded(
        "http://127.0.0.1:" + QByteArray::number(m_server->serverPort()) + encodedPath);
    std::unique_ptr<QNetworkReply> reply(m_manager.get(QNetworkRequest(url)));
    Response response;
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, WAIT_MS))
        return response;
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    for (const auto& [name, value] : reply->rawHeaderPairs())
        response.headers.insert(name.toLower(), value);
    response.body = reply->readAll();
    return response;
}

void TestStorageServer::servesFiles_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contentType");

    QTest::newRow("catalogue") << QByteArray("/storage/kelvo/plugins.info")
                               << "storage/kelvo/plugins.info" << QByteArray("application/json");
    QTest::newRow("changelog") << QByteArray("/storage/kelvo/alpha/1_0_0_release/alpha_1_0_0.json")
                               << "storage/kelvo/alpha/1_0_0_release/alpha_1_0_0.json"
                               << QByteArray("application/json");
    QTest::newRow("binary") << QByteArray("/storage/kelvo/alpha/firmwares/alpha_fw.bin")
                            << "storage/kelvo/alpha/firmwares/alpha_fw.bin"
                            << QByteArray("application/octet-stream");
    QTest::newRow("double slash") << QByteArray("/storage/kelvo//alpha/firmwares/alpha_fw.bin")
                                  << "storage/kelvo/alpha/firmwares/alpha_fw.bin"
                                  << QByteArray("application/octet-stream");
    QTest::newRow("percent-encoded name")
        << QByteArray("/storage/kelvo/alpha/assembly_instructions/Montage%20%C3%9Cbersicht.pdf")
        << "storage/kelvo/alpha/assembly_instructions/Montage Übersicht.pdf"
        << QByteArray("application/octet-stream");
    QTest::newRow("query ignored")
        << QByteArray("/storage/kelvo/plugins.info?appId=6") << "storage/kelvo/plugins.info"
        << QByteArray("application/json");
    QTest::newRow("symlink inside the root")
        << QByteArray("/link-in.info") << "storage/kelvo/plugins.info"
        << QByteArray("application/json");
}

void TestStorageServer::servesFiles()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, file);
    QFETCH(QByteArray, contentType);
    QFile expected(rootPath() + QLatin1Char('/') + file);
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QByteArray content = expected.readAll();

    const Response response = get(path);
    QCOMPARE(response.status, 200);
    QCOMPARE(response.body, content);
    QCOMPARE(response.headers.value("content-length"), QByteArray::number(content.size()));
    QCOMPARE(response.headers.value("content-type"), contentType);
}

void TestStorageServer::missingFilesAndFoldersAreNotFound_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("missing file") << QByteArray("/storage/kelvo/alpha/alpha.info");
    QTest::newRow("missing folder") << QByteArray("/storage/kelvo/omega/firmwares/firmware.info");
    QTest::newRow("folder") << QByteArray("/storage/kelvo/alpha");
    QTest::newRow("folder with slash") << QByteArray("/storage/kelvo/alpha/");
    QTest::newRow("root") << QByteArray("/");
    QTest::newRow("names list below root") << QByteArray("/storage/getPluginNames.php");
}

void TestStorageServer::missingFilesAndFoldersAreNotFound()
{
    QFETCH(QByteArray, path);
    const Response response = get(path);
    QCOMPARE(response.status, 404);
    QVERIFY(response.body.contains("404 Not Found"));
    QCOMPARE(response.headers.value("content-length"), QByteArray::number(response.body.size()));
}

void TestStorageServer::listsPluginNamesWithTranslations_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("shell's query") << QByteArray("/getPluginNames.php?appId=6");
    QTest::newRow("no query") << QByteArray("/getPluginNames.php");
    QTest::newRow("other query") << QByteArray("/getPluginNames.php?appId=12&x=1");
}

void TestStorageServer::listsPluginNamesWithTranslations()
{
    QFETCH(QByteArray, path);
    const Response response = get(path);
    QCOMPARE(response.status, 200);
    QCOMPARE(response.body, QByteArray(R"(["alpha","beta"])"));
    QCOMPARE(response.headers.value("content-type"), QByteArray("application/json"));
}

void TestStorageServer::pluginNamesOfRootWithoutStorageIsEmpty()
{
    QTemporaryDir emptyRoot;
    StorageServer server(emptyRoot.path());
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    RawClient client(server.serverPort());
    client.send(getRequest("/getPluginNames.php?appId=6"));
    const std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->status, 200);
    QCOMPARE(response->body, QByteArray("[]"));
}

void TestStorageServer::servesOnlyInsideTheRoot_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");

    const QByteArray secretPath = m_dir.filePath(QStringLiteral("outside/secret.txt")).toUtf8();
    QTest::newRow("dot-dot") << QByteArray("/../outside/secret.txt") << 400;
    QTest::newRow("dot-dot deeper") << QByteArray("/storage/../../outside/secret.txt") << 400;
    QTest::newRow("encoded dot-dot") << QByteArray("/%2e%2e/outside/secret.txt") << 400;
    QTest::newRow("encoded dot-dot and slashes")
        << QByteArray("/%2E%2E%2Foutside%2Fsecret.txt") << 400;
    QTest::newRow("dot-dot with encoded slash") << QByteArray("/..%2foutside/secret.txt") << 400;
    QTest::newRow("double-encoded dot-dot") << QByteArray("/%252e%252e/outside/secret.txt") << 404;
    QTest::newRow("backslashes") << QByteArray("/..\\outside\\secret.txt") << 400;
    QTest::newRow("encoded backslashes") << QByteArray("/%5c..%5coutside%5csecret.txt") << 400;
    QTest::newRow("encoded NUL") << QByteArray("/link-in.info%00.txt") << 400;
    QTest::newRow("absolute path") << QByteArray("/" + secretPath) << 404;
    QTest::newRow("encoded absolute path")
        << QByteArray("/" + QUrl::toPercentEncoding(QString::fromUtf8(secretPath))) << 400;
    QTest::newRow("drive path") << QByteArray("/C:/outside/secret.txt") << 400;
    QTest::newRow("not a path") << QByteArray("outside/secret.txt") << 400;
    QTest::newRow("absolute form") << QByteArray("http://127.0.0.1/link-in.info") << 200;
    QTest::newRow("absolute form with dot-dot")
        << QByteArray("http://127.0.0.1/../outside/secret.txt") << 400;
    QTest::newRow("symlink to a file outside") << QByteArray("/link-out.txt") << 404;
    QTest::newRow("symlink to a folder outside") << QByteArray("/link-dir/secret.txt") << 404;
}

void TestStorageServer::servesOnlyInsideTheRoot()
{
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    QSignalSpy served(m_server.get(), &StorageServer::requestServed);
    RawClient client(m_server->serverPort());
    client.send(getRequest(target));
    const std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->status, status);
    QVERIFY(!response->body.contains(SECRET));
    QCOMPARE(served.size(), 1);
    QCOMPARE(served.first().at(2).toInt(), status);
}

void TestStorageServer::answersPipelinedRequestsInOrder()
{
    QSignalSpy served(m_server.get(), &StorageServer::requestServed);
    RawClient client(m_server->serverPort());
    client.send(getRequest("/storage/kelvo/alpha/firmwares/alpha_fw.bin") +
                getRequest("/storage/kelvo/missing.info") +
                getRequest("/getPluginNames.php?appId=6") +
                getRequest("/storage/kelvo/plugins.info"));

    const QList<int> statuses = {200, 404, 200, 200};
    const QList<QByteArray> bodies = {
        BINARY_CONTENT, {}, R"(["alpha","beta"])", R"({"plugins":[]})"};
    for (int i = 0; i < statuses.size(); ++i) {
        const std::optional<Response> response = client.read();
        QVERIFY(response);
        QCOMPARE(response->status, statuses.at(i));
        if (statuses.at(i) == 200)
            QCOMPARE(response->body, bodies.at(i));
    }
    QCOMPARE(served.size(), 4);
    QCOMPARE(served.at(1).at(1).toString(), QStringLiteral("/storage/kelvo/missing.info"));
    QCOMPARE(served.at(0).at(3).toLongLong(), qint64(BINARY_CONTENT.size()));
}

void TestStorageServer::honoursConnectionPersistence_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("keptOpen");

    QTest::newRow("HTTP/1.1") << getRequest("/storage/kelvo/plugins.info") << true;
    QTest::newRow("HTTP/1.1 close")
        << getRequest("/storage/kelvo/plugins.info", "Connection: close\r\n") << false;
    QTest::newRow("HTTP/1.0") << QByteArray("GET /storage/kelvo/plugins.info HTTP/1.0\r\n\r\n")
                              << false;
    QTest::newRow("HTTP/1.0 keep-alive")
        << QByteArray("GET /storage/kelvo/plugins.info HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n")
        << true;
}

void TestStorageServer::honoursConnectionPersistence()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, keptOpen);
    RawClient client(m_server->serverPort());
    client.send(request);
    const std::optional<Response> first = client.read();
    QVERIFY(first);
    QCOMPARE(first->status, 200);
    QCOMPARE(first->headers.value("connection"),
             keptOpen ? QByteArray("keep-alive") : QByteArray("close"));
    if (!keptOpen) {
        QVERIFY(client.waitForClose());
        return;
    }
    client.send(getRequest("/getPluginNames.php"));
    const std::optional<Response> second = client.read();
    QVERIFY(second);
    QCOMPARE(second->body, QByteArray(R"(["alpha","beta"])"));
}

void TestStorageServer::answersOtherMethodsAndMalformedRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("closes");

    QTest::newRow("POST") << QByteArray("POST /storage/kelvo/plugins.info HTTP/1.1\r\n\r\n") << 405
                          << false;
    QTest::newRow("DELETE") << QByteArray("DELETE /storage/kelvo/plugins.info HTTP/1.1\r\n\r\n")
                            << 405 << false;
    QTest::newRow("PUT with body")
        << QByteArray(
               "PUT /x HTTP/1.1\r\nContent-Length: 30\r\n\r\nGET /link-out.txt HTTP/1.1\r\n\r\n")
        << 405 << true;
    QTest::newRow("garbage") << QByteArray("GARBAGE\r\n\r\n") << 400 << true;
    QTest::newRow("unknown version") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 400 << true;
    QTest::newRow("bad header") << QByteArray("GET / HTTP/1.1\r\nno colon here\r\n\r\n") << 400
                                << true;
    QTest::newRow("head too long")
        << QByteArray("GET / HTTP/1.1\r\nX-Filler: " + QByteArray(20000, 'x') + "\r\n\r\n") << 400
        << true;
}

void TestStorageServer::answersOtherMethodsAndMalformedRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(bool, closes);
    RawClient client(m_server->serverPort());
    client.send(request);
    const std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->status, status);
    if (status == 405)
        QCOMPARE(response->headers.value("allow"), QByteArray("GET, HEAD"));
    QCOMPARE(response->headers.value("connection"),
             closes ? QByteArray("close") : QByteArray("keep-alive"));
    if (closes)
        QVERIFY(client.waitForClose());
}

void TestStorageServer::headAnswersWithoutBody()
{
    RawClient client(m_server->serverPort());
    client.send("HEAD /storage/kelvo/alpha/firmwares/alpha_fw.bin HTTP/1.1\r\n\r\n" +
                getRequest("/storage/kelvo/plugins.info"));
    const std::optional<Response> head = client.read(true);
    QVERIFY(head);
    QCOMPARE(head->status, 200);
    QCOMPARE(head->headers.value("content-length"), QByteArray::number(BINARY_CONTENT.size()));
    const std::optional<Response> next = client.read();
    QVERIFY(next);
    QCOMPARE(next->body, QByteArray(R"({"plugins":[]})"));
}

void TestStorageServer::demoStorageTreeIsComplete()
{
    const QString kelvo = qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                          QStringLiteral("/demo-storage/storage/kelvo/");
    const QJsonArray plugins =
        readJson(kelvo + QStringLiteral("plugins.info"))[u"plugins"].toArray();
    QCOMPARE(plugins.size(), 8);
    QSet<QString> names;
    for (const QJsonValue& value : plugins) {
        const QJsonObject entry = value.toObject();
        for (const char* key : {"appId", "name", "version", "state", "relDate"})
            QVERIFY2(!entry.value(QLatin1String(key)).toString().isEmpty(), key);
        QVERIFY(QDate::fromString(entry[u"relDate"].toString(), u"dd.MM.yyyy").isValid());
        const QString name = entry[u"name"].toString();
        const QString version = entry[u"version"].toString().replace(QLatin1Char('.'), u'_');
        const QString folder = kelvo + name + u'/' + version + u'_' + entry[u"state"].toString();
        QCOMPARE(readJson(folder + u'/' + name + QStringLiteral(".info")).object(), entry);
        const QJsonObject changelog =
            readJson(folder + u'/' + name + u'_' + version + QStringLiteral(".json"))[u"changelog"]
                .toObject();
        QVERIFY2(!changelog.isEmpty(), qPrintable(folder));
        for (const QJsonValue& section : changelog) {
            QVERIFY(section[u"de"][0].isString());
            QVERIFY(section[u"en"][0].isString());
        }
        names.insert(name);
    }
    for (const QString& name : names) {
        for (const QString& list :
             {QStringLiteral("/firmwares/firmware.info"),
              QStringLiteral("/assembly_instructions/assembly_instructions.info")}) {
            if (!QFile::exists(kelvo + name + list))
                continue;
            const QJsonArray files = readJson(kelvo + name + list).array();
            QVERIFY(!files.isEmpty());
            QCOMPARE(files.first().toString(), name);
            for (qsizetype i = 1; i < files.size(); ++i) {
                const QFileInfo file(kelvo + name + QFileInfo(list).path() + u'/' +
                                     files.at(i).toString());
                QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
            }
        }
    }
}

void TestStorageServer::demoStorageListsKastorplusForTranslations()
{
    StorageServer server(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                         QStringLiteral("/demo-storage"));
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    RawClient client(server.serverPort());
    client.send(getRequest("/getPluginNames.php?appId=6"));
    const std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->body, QByteArray(R"(["kastorplus"])"));
}

void TestStorageServer::executableServesAndStopsOnSignal_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("quiet");
    QTest::newRow("SIGTERM") << int(SIGTERM) << false;
    QTest::newRow("SIGINT, quiet") << int(SIGINT) << true;
}

void TestStorageServer::executableServesAndStopsOnSignal()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, quiet);
    QProcess process;
    QStringList arguments = {QStringLiteral("--root"), rootPath(), QStringLiteral("--port"),
                             QStringLiteral("0")};
    if (quiet)
        arguments << QStringLiteral("--quiet");
    process.start(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                      QStringLiteral("/bin/quillmark-storage-server"),
                  arguments);
    QVERIFY(process.waitForStarted(WAIT_MS));
    QVERIFY(QTest::qWaitFor([&] { return process.canReadLine(); }, WAIT_MS));
    const QByteArray line = process.readLine().trimmed();
    QVERIFY2(line.startsWith("listening on http://127.0.0.1:"), line);
    const QByteArray port = line.mid(line.lastIndexOf(':') + 1).chopped(1);

    RawClient client(port.toUShort());
    client.send(getRequest("/storage/kelvo/plugins.info", "Connection: close\r\n"));
    const std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->body, QByteArray(R"({"plugins":[]})"));
    QVERIFY(client.waitForClose());

    ::kill(process.processId(), signalNumber);
    QVERIFY(process.waitForFinished(WAIT_MS));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QByteArray log = process.readAllStandardOutput();
    QCOMPARE(log.contains("GET /storage/kelvo/plugins.info 200 14\n"), !quiet);
}

void TestStorageServer::executableRejectsBusyPortAndBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("error");

    const QString port = QString::number(m_server->serverPort());
    QTest::newRow("busy port") << QStringList{"--root", rootPath(), "--port", port}
                               << QByteArray("cannot listen on http://127.0.0.1:" + port.toUtf8());
    QTest::newRow("no root") << QStringList{"--port", "0"} << QByteArray("--root");
    QTest::newRow("missing root") << QStringList{"--root", rootPath() + "/missing"}
                                  << QByteArray("--root");
    QTest::newRow("bad port") << QStringList{"--root", rootPath(), "--port", "70000"}
                              << QByteArray("invalid port");
    QTest::newRow("bad address") << QStringList{"--root", rootPath(), "--address", "local"}
                                 << QByteArray("invalid address");
}

void TestStorageServer::executableRejectsBusyPortAndBadOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, error);
    QProcess process;
    process.start(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                      QStringLiteral("/bin/quillmark-storage-server"),
                  arguments);
    QVERIFY(process.waitForFinished(WAIT_MS));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QByteArray errors = process.readAllStandardError();
    QVERIFY2(errors.contains(error), errors);
}

QTEST_GUILESS_MAIN(TestStorageServer)
#include "tst_storageserver.moc"
