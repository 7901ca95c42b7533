#include "storageserver.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>

namespace {

constexpr int WAIT_MS = 10000;
const QByteArray BINARY_CONTENT = QByteArray("\x7f\x00\x01 firmware \xff\x00", 14).repeated(300);
const QByteArray SECRET = "SECRET outside the root";
const QByteArray CATALOGUE = R"({"plugins":[]})";
const QByteArray NAMES = R"(["alpha","beta"])";

// A response as received: the status line and the headers, each ending in CR LF, and the body.
struct Response
{
    QByteArray head;
    QByteArray body;

    int status() const { return head.mid(9, 3).toInt(); }
    bool hasHeader(const QByteArray& line) const { return head.contains("\r\n" + line + "\r\n"); }
};

// Speaks HTTP by hand, so that requests reach the server exactly as written (no URL
// normalisation) and several can be sent at once.
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
        Response response{m_buffer.left(m_buffer.indexOf("\r\n\r\n") + 2), {}};
        const qsizetype at = response.head.indexOf("\r\nContent-Length: ") + 18;
        const qsizetype length =
            headRequest ? 0 : response.head.mid(at, response.head.indexOf('\r', at) - at).toLong();
        const qsizetype end = response.head.size() + 2 + length;
        if (!waitFor([&] { return m_buffer.size() >= end; }))
            return std::nullopt;
        response.body = m_buffer.mid(end - length, length);
        m_buffer.remove(0, end);
        return response;
    }

    bool waitForClose()
    {
        return waitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; });
    }

private:
    template <typename Condition> bool waitFor(Condition condition)
    {
        return QTest::qWaitFor([&] { return (m_buffer += m_socket.readAll(), condition()); },
                               WAIT_MS);
    }

    QTcpSocket m_socket;
    QByteArray m_buffer;
};

QByteArray getRequest(const QByteArray& target, const QByteArray& extraHeaders = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

// One request on a connection of its own.
std::optional<Response> fetch(quint16 port, const QByteArray& target)
{
    RawClient client(port);
    client.send(getRequest(target));
    return client.read();
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

QString buildPath(const QString& path)
{
    return qEnvironmentVariable("QUILLMARK_BUILD_DIR") + path;
}

} // namespace

class TestStorageServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void servesFiles_data();
    void servesFiles();
    void refusesWhatIsNoFileInsideTheRoot_data();
    void refusesWhatIsNoFileInsideTheRoot();
    void listsPluginNamesOfOtherRoots();
    void answersPipelinedRequestsInOrder();
    void keepsOrClosesTheConnection_data();
    void keepsOrClosesTheConnection();
    void demoStorageTreeIsComplete();
    void executableServesAndStopsOnSignal_data();
    void executableServesAndStopsOnSignal();
    void executableRejectsBusyPortAndBadOptions_data();
    void executableRejectsBusyPortAndBadOptions();

private:
    QString rootPath() const { return m_dir.filePath(QStringLiteral("root")); }
    quint16 port() const { return m_server->serverPort(); }

    QTemporaryDir m_dir;
    std::unique_ptr<StorageServer> m_server;
};

void TestStorageServer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString kelvo = rootPath() + QStringLiteral("/storage/kelvo/");
    writeFile(kelvo + QStringLiteral("plugins.info"), CATALOGUE);
    writeFile(kelvo + QStringLiteral("alpha/1_0_0_release/alpha_1_0_0.json"),
              R"({"changelog":{}})");
    writeFile(kelvo + QStringLiteral("alpha/firmwares/alpha_fw.bin"), BINARY_CONTENT);
    writeFile(kelvo + QStringLiteral("alpha/assembly_instructions/Montage Übersicht.pdf"), "%PDF");
    writeFile(kelvo + QStringLiteral("delta/translations"), "a file, not a folder");
    for (const char* folder :
         {"alpha/translations", "beta/translations", "gamma/firmwares", "translations"})
        QVERIFY(QDir().mkpath(kelvo + QLatin1String(folder)));
    writeFile(m_dir.filePath(QStringLiteral("outside/secret.txt")), SECRET);
    for (const auto& [target, link] : {std::pair{"../outside/secret.txt", "link-out.txt"},
                                       {"../outside", "link-dir"},
                                       {"storage/kelvo/plugins.info", "link-in.info"}})
        QVERIFY(QFile::link(QLatin1String(target), rootPath() + u'/' + QLatin1String(link)));

    m_server = std::make_unique<StorageServer>(rootPath());
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

void TestStorageServer::servesFiles_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");

    const QByteArray json = "application/json";
    const QByteArray binary = "application/octet-stream";
    QTest::newRow("catalogue") << QByteArray("/storage/kelvo/plugins.info") << CATALOGUE << json;
    QTest::newRow("binary, double slash")
        << QByteArray("/storage/kelvo//alpha/firmwares/alpha_fw.bin") << BINARY_CONTENT << binary;
    QTest::newRow("percent-encoded name")
        << QByteArray("/storage/kelvo/alpha/assembly_instructions/Montage%20%C3%9Cbersicht.pdf")
        << QByteArray("%PDF") << binary;
    QTest::newRow("changelog, query ignored")
        << QByteArray("/storage/kelvo/alpha/1_0_0_release/alpha_1_0_0.json?appId=6")
        << QByteArray(R"({"changelog":{}})") << json;
    QTest::newRow("symlink inside the root") << QByteArray("/link-in.info") << CATALOGUE << json;
    QTest::newRow("absolute form")
        << QByteArray("http://127.0.0.1/link-in.info") << CATALOGUE << json;
    // Only folders below storage/kelvo that hold a "translations" folder.
    QTest::newRow("plug-in names") << QByteArray("/getPluginNames.php?appId=6") << NAMES << json;
}

void TestStorageServer::servesFiles()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    const std::optional<Response> response = fetch(port(), target);
    QVERIFY(response);
    QCOMPARE(response->status(), 200);
    QCOMPARE(response->body, body);
    QVERIFY(response->hasHeader("Content-Length: " + QByteArray::number(body.size())));
    QVERIFY(response->hasHeader("Content-Type: " + contentType));
}

void TestStorageServer::refusesWhatIsNoFileInsideTheRoot_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");

    QTest::newRow("folder") << QByteArray("/storage/kelvo/alpha") << 404;
    QTest::newRow("names list below root") << QByteArray("/storage/getPluginNames.php") << 404;
    QTest::newRow("dot-dot") << QByteArray("/../outside/secret.txt") << 400;
    QTest::newRow("encoded dot-dot") << QByteArray("/%2e%2e/outside/secret.txt") << 400;
    QTest::newRow("encoded slashes") << QByteArray("/..%2foutside%2Fsecret.txt") << 400;
    QTest::newRow("double-encoded dot-dot") << QByteArray("/%252e%252e/outside/secret.txt") << 404;
    QTest::newRow("encoded backslashes") << QByteArray("/%5c..%5coutside%5csecret.txt") << 400;
    QTest::newRow("encoded NUL") << QByteArray("/link-in.info%00.txt") << 400;
    QTest::newRow("absolute path")
        << "/" + m_dir.filePath(QStringLiteral("outside/secret.txt")).toUtf8() << 404;
    QTest::newRow("drive path") << QByteArray("/C:/outside/secret.txt") << 400;
    QTest::newRow("not a path") << QByteArray("outside/secret.txt") << 400;
    QTest::newRow("absolute form with dot-dot")
        << QByteArray("http://127.0.0.1/../outside/secret.txt") << 400;
    QTest::newRow("symlink to a file outside") << QByteArray("/link-out.txt") << 404;
    QTest::newRow("symlink to a folder outside") << QByteArray("/link-dir/secret.txt") << 404;
}

void TestStorageServer::refusesWhatIsNoFileInsideTheRoot()
{
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    QSignalSpy served(m_server.get(), &StorageServer::requestServed);
    const std::optional<Response> response = fetch(port(), target);
    QVERIFY(response);
    QCOMPARE(response->status(), status);
    QVERIFY(response->body.contains(status == 404 ? "404 Not Found" : "400 Bad Request"));
    QVERIFY(!response->body.contains(SECRET));
    QCOMPARE(served.size(), 1);
    QCOMPARE(served.first().at(2).toInt(), status);
}

void TestStorageServer::listsPluginNamesOfOtherRoots()
{
    for (const auto& [root, names] :
         {std::pair{m_dir.filePath(QStringLiteral("outside")), QByteArray("[]")},
          {buildPath(QStringLiteral("/demo-storage")),
           QByteArray(R"(["kastorplus","pelion","ventus"])")}}) {
        StorageServer server(root);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const std::optional<Response> response = fetch(server.serverPort(), "/getPluginNames.php");
        QVERIFY(response);
        QCOMPARE(response->status(), 200);
        QCOMPARE(response->body, names);
    }
}

// The HEAD response leaves its body out, so the next response must follow its head directly.
void TestStorageServer::answersPipelinedRequestsInOrder()
{
    QSignalSpy served(m_server.get(), &StorageServer::requestServed);
    RawClient client(port());
    const QByteArray binary = "/storage/kelvo/alpha/firmwares/alpha_fw.bin";
    client.send(getRequest(binary) + "HEAD " + binary + " HTTP/1.1\r\n\r\n" +
                getRequest("/storage/kelvo/missing.info") +
                getRequest("/getPluginNames.php?appId=6") +
                getRequest("/storage/kelvo/plugins.info"));

    const QList<int> statuses = {200, 200, 404, 200, 200};
    const QList<QByteArray> bodies = {BINARY_CONTENT, {}, {}, NAMES, CATALOGUE};
    for (int i = 0; i < statuses.size(); ++i) {
        const std::optional<Response> response = client.read(i == 1);
        QVERIFY(response);
        QCOMPARE(response->status(), statuses.at(i));
        if (i == 1)
            QVERIFY(response->hasHeader("Content-Length: " +
                                        QByteArray::number(BINARY_CONTENT.size())));
        else if (i != 2)
            QCOMPARE(response->body, bodies.at(i));
    }
    QCOMPARE(served.size(), 5);
    QCOMPARE(served.at(0).at(3).toLongLong(), qint64(BINARY_CONTENT.size()));
    QCOMPARE(served.at(1).at(0).toString(), QStringLiteral("HEAD"));
    QCOMPARE(served.at(1).at(3).toLongLong(), 0);
    QCOMPARE(served.at(2).at(1).toString(), QStringLiteral("/storage/kelvo/missing.info"));
}

void TestStorageServer::keepsOrClosesTheConnection_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("keptOpen");

    const QByteArray path = "/storage/kelvo/plugins.info";
    QTest::newRow("HTTP/1.1 close") << getRequest(path, "Connection: close\r\n") << 200 << false;
    QTest::newRow("HTTP/1.0") << "GET " + path + " HTTP/1.0\r\n\r\n" << 200 << false;
    QTest::newRow("HTTP/1.0 keep-alive")
        << "GET " + path + " HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n"
        << 200 << true;
    QTest::newRow("POST") << "POST " + path + " HTTP/1.1\r\n\r\n" << 405 << true;
    // The body is never read, so the request hidden in it must not be answered.
    QTest::newRow("PUT with body")
        << QByteArray(
               "PUT /x HTTP/1.1\r\nContent-Length: 30\r\n\r\nGET /link-out.txt HTTP/1.1\r\n\r\n")
        << 405 << false;
    QTest::newRow("unknown version") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 400 << false;
    QTest::newRow("bad header") << QByteArray("GET / HTTP/1.1\r\nno colon here\r\n\r\n") << 400
                                << false;
    QTest::newRow("head too long")
        << "GET / HTTP/1.1\r\nX-Filler: " + QByteArray(20000, 'x') + "\r\n\r\n"
        << 400 << false;
}

void TestStorageServer::keepsOrClosesTheConnection()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(bool, keptOpen);
    RawClient client(port());
    client.send(request);
    std::optional<Response> response = client.read();
    QVERIFY(response);
    QCOMPARE(response->status(), status);
    QCOMPARE(response->hasHeader("Allow: GET, HEAD"), status == 405);
    QVERIFY(response->hasHeader(keptOpen ? "Connection: keep-alive" : "Connection: close"));
    if (!keptOpen) {
        QVERIFY(client.waitForClose());
        return;
    }
    client.send(getRequest("/getPluginNames.php"));
    response = client.read();
    QVERIFY(response);
    QCOMPARE(response->body, NAMES);
}

// Every catalogue entry has its info file (a copy of the entry) and a changelog in German
// and English, and the files that its file lists name are there.
void TestStorageServer::demoStorageTreeIsComplete()
{
    const QString kelvo = buildPath(QStringLiteral("/demo-storage/storage/kelvo/"));
    const QJsonArray plugins =
        readJson(kelvo + QStringLiteral("plugins.info"))[u"plugins"].toArray();
    QCOMPARE(plugins.size(), 6);
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
        for (const QJsonValue& section : changelog)
            QVERIFY(section[u"de"][0].isString() && section[u"en"][0].isString());
        for (const QString list :
             {"firmwares/firmware.info", "assembly_instructions/assembly_instructions.info"}) {
            const QFileInfo listFile(kelvo + name + u'/' + list);
            if (!listFile.exists())
                continue;
            const QJsonArray files = readJson(listFile.filePath()).array();
            QCOMPARE(files.at(0).toString(), name);
            for (qsizetype i = 1; i < files.size(); ++i) {
                const QFileInfo file(listFile.path() + u'/' + files.at(i).toString());
                QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
            }
        }
    }
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
    process.start(buildPath(QStringLiteral("/bin/quillmark-storage-server")),
                  QStringList{"--root", rootPath(), "--port", "0"} +
                      (quiet ? QStringList{"--quiet"} : QStringList()));
    QVERIFY(process.waitForStarted(WAIT_MS));
    QVERIFY(QTest::qWaitFor([&] { return process.canReadLine(); }, WAIT_MS));
    const QByteArray line = process.readLine().trimmed();
    QVERIFY2(line.startsWith("listening on http://127.0.0.1:"), line);
    const QByteArray port = line.mid(line.lastIndexOf(':') + 1).chopped(1);

    const std::optional<Response> response = fetch(port.toUShort(), "/storage/kelvo/plugins.info");
    QVERIFY(response);
    QCOMPARE(response->body, CATALOGUE);

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

    const QString busy = QString::number(port());
    QTest::newRow("busy port") << QStringList{"--root", rootPath(), "--port", busy}
                               << "cannot listen on http://127.0.0.1:" + busy.toUtf8();
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
    process.start(buildPath(QStringLiteral("/bin/quillmark-storage-server")), arguments);
    QVERIFY(process.waitForFinished(WAIT_MS));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QByteArray errors = process.readAllStandardError();
    QVERIFY2(errors.contains(error), errors);
}

QTEST_GUILESS_MAIN(TestStorageServer)
#include "tst_storageserver.moc"
