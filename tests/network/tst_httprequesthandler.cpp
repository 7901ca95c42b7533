#include "httprequesthandler.h"
#include "nginxserver.h"
#include "replytimeout.h"
#include "testhttpserver.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonParseError>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

// Routes are {status, body, delayMs, chunkSize, chunkIntervalMs, closeMidBody}.
using Route = TestHttpServer::Route;

// 'a' to 'z' over and over, so that a cut-off body shows.
const QByteArray BYTES = QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(160);

// What one batch reply delivered through its two signals.
struct BatchReply
{
    int urlCounter = -1;
    QByteArray body;
    QString fileName;
    QString error;
};

// Records batch replies. batchReplyFinished must follow each receivedReply at once and with
// the same arguments; anything else is out of order.
struct BatchRecorder
{
    explicit BatchRecorder(HttpRequestHandler* handler)
    {
        QObject::connect(handler, &HttpRequestHandler::receivedReply,
                         [this](int counter, const QByteArray& body, const QString& fileName) {
                             outOfOrder |= open;
                             open = true;
                             replies.append({counter, body, fileName, QString()});
                         });
        QObject::connect(handler, &HttpRequestHandler::batchReplyFinished,
                         [this](int counter, const QByteArray& body, const QString& fileName,
                                const QString& error) {
                             outOfOrder |= !open || replies.last().urlCounter != counter ||
                                           replies.last().body != body ||
                                           replies.last().fileName != fileName;
                             if (open)
                                 replies.last().error = error;
                             open = false;
                         });
    }

    bool inOrder() const { return !outOfOrder && !open; }

    BatchReply reply(const QString& fileName) const
    {
        const auto named = [&](const BatchReply& reply) { return reply.fileName == fileName; };
        const auto found = std::find_if(replies.begin(), replies.end(), named);
        return found == replies.end() ? BatchReply() : *found;
    }

    QList<BatchReply> replies;
    bool open = false;
    bool outOfOrder = false;
};

} // namespace

Q_DECLARE_METATYPE(TestHttpServer::Route)

class tst_HttpRequestHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_server = std::make_unique<TestHttpServer>(); }

    void jsonQuery_data();
    void jsonQuery();
    void fileNames_data();
    void fileNames();
    void singleFailures_data();
    void singleFailures();
    void batchHandsFailedRepliesOnWithTheirError();
    void emptyBatch();
    void repeatedBatchOverwritesCounter();
    void manyConcurrentBatchReplies();
    void replyTimeoutOnNonReply();
    void certificates_data();
    void certificates();

private:
    QString url(const QString& path) const { return m_server->baseUrl() + path; }

    std::unique_ptr<TestHttpServer> m_server;
};

// The handler trusts the test authority from its first request on, as the shell does when it
// is told about a private authority.
void tst_HttpRequestHandler::initTestCase()
{
    if (NginxServer::unavailableReason().isEmpty())
        qputenv("QUILLMARK_CA_FILE", NginxServer::authorityFile().toLocal8Bit());
}

void tst_HttpRequestHandler::jsonQuery_data()
{
    QTest::addColumn<QString>("storedUrl");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("seenQuery");
    QTest::newRow("stored query kept") << "getPluginNames.php?appId=3"
                                       << ""
                                       << "appId=3";
    QTest::newRow("stored query replaced") << "getPluginNames.php?appId=3&x=1"
                                           << "appId=6"
                                           << "appId=6";
}

void tst_HttpRequestHandler::jsonQuery()
{
    QFETCH(QString, storedUrl);
    QFETCH(QString, query);
    QFETCH(QString, seenQuery);
    m_server->setFile("/getPluginNames.php", R"(["Ventus","Fumex"])");

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url(storedUrl));
    QSignalSpy received(handler, &HttpRequestHandler::httpRequestJSONFileReceived);
    handler->getJsonFile(QUrlQuery(query));

    QTRY_COMPARE(received.count(), 1);
    const QJsonDocument document = received.at(0).at(0).value<QJsonDocument>();
    QCOMPARE(document.array(), QJsonArray({"Ventus", "Fumex"}));
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().first().path(), QStringLiteral("/getPluginNames.php"));
    QCOMPARE(m_server->requests().first().query(), seenQuery);
    QTRY_VERIFY(handler.isNull());
}

void tst_HttpRequestHandler::fileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");
    const QString pdf = QStringLiteral("manual v2.pdf");
    QTest::newRow("library, query not in name")
        << QStringLiteral("kelvo/Ventus/1_2_0_release/libs/Ventus.dll?x=1") << "Ventus.dll";
    QTest::newRow("folder") << QStringLiteral("kelvo/Ventus/") << QString();
    QTest::newRow("percent-encoded name") << QStringLiteral("kelvo/manual%20v2.pdf") << pdf;
    QTest::newRow("unencoded space") << QStringLiteral("kelvo/manual v2.pdf") << pdf;
}

// Single files and batch replies name the file alike, and a single file hands the caller's
// tag back unchanged. The reply comes late and in pieces, well within the time-out.
void tst_HttpRequestHandler::fileNames()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    m_server->setRoute(QUrl(url(path)).path(), Route{200, "payload", 100, 2, 50});
    const QString tag = QStringLiteral("Ventus ünïcode/tag");

    QPointer<HttpRequestHandler> single = new HttpRequestHandler(url(path));
    QSignalSpy file(single, &HttpRequestHandler::receivedFile);
    single->getFile(tag);
    QTRY_COMPARE(file.count(), 1);
    QCOMPARE(file.at(0), QVariantList({fileName, QByteArray("payload"), tag}));
    QTRY_VERIFY(single.isNull());

    QPointer<HttpRequestHandler> batch = new HttpRequestHandler(QStringList{url(path)});
    BatchRecorder recorder(batch);
    batch->getFiles();
    QTRY_COMPARE(recorder.replies.size(), 1);
    QVERIFY(recorder.inOrder());
    QCOMPARE(recorder.replies.first().fileName, fileName);
    QCOMPARE(recorder.replies.first().body, QByteArray("payload"));
    QCOMPARE(recorder.replies.first().error, QString());
    QTRY_VERIFY(batch.isNull());
}

void tst_HttpRequestHandler::singleFailures_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<Route>("route");
    // What the failure text says before " --- Ventus.dll": exactly, or in part.
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("exact");

    const auto parseError = [](const QByteArray& body) {
        QJsonParseError error;
        QJsonDocument::fromJson(body, &error);
        return error.errorString();
    };
    const QByteArray errorPage = "<html><body><h1>404 Not Found</h1></body></html>";
    QTest::newRow("file 404") << false << Route{404, errorPage} << "Not Found" << false;
    QTest::newRow("file cut") << false << Route{200, BYTES, 0, 0, 0, true} << "closed" << false;
    QTest::newRow("json 500") << true << Route{500, R"({"error": true})"} << "Internal Server Error"
                              << false;
    // The time-out covers the whole transfer, not the silence between pieces.
    QTest::newRow("file trickling past the time-out")
        << false << Route{200, BYTES.left(2000), 0, 20, 100} << "cancel" << false;
    QTest::newRow("json stalled") << true << Route{200, "[]", 10000} << "cancel" << false;
    QTest::newRow("json empty body") << true << Route{200, ""} << parseError("") << true;
    QTest::newRow("json error page with status 200")
        << true << Route{200, errorPage} << parseError(errorPage) << true;
}

void tst_HttpRequestHandler::singleFailures()
{
    QFETCH(bool, json);
    QFETCH(Route, route);
    QFETCH(QString, reason);
    QFETCH(bool, exact);
    m_server->setRoute("/libs/Ventus.dll", route);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url("libs/Ventus.dll"));
    QCOMPARE(HttpRequestHandler::TIMEOUT_MS, 20000); // shortened here
    if (route.delayMs > 0 || route.chunkIntervalMs > 0)
        handler->setTimeoutForTesting(300);
    QSignalSpy failed(handler, &HttpRequestHandler::downloadFailed);
    QSignalSpy file(handler, &HttpRequestHandler::receivedFile);
    QSignalSpy document(handler, &HttpRequestHandler::httpRequestJSONFileReceived);
    if (json)
        handler->getJsonFile(QUrlQuery());
    else
        handler->getFile("tag");

    QTRY_COMPARE(failed.count(), 1);
    const QString text = failed.at(0).at(0).toString();
    const QString suffix = QStringLiteral(" --- Ventus.dll");
    QVERIFY2(text.endsWith(suffix), qPrintable(text));
    const QString cause = text.chopped(suffix.size());
    QVERIFY2(exact ? cause == reason : cause.contains(reason, Qt::CaseInsensitive),
             qPrintable(text));
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(file.count(), 0);
    QCOMPARE(document.count(), 0);
}

// A failed batch reply still comes through receivedReply with whatever the server sent, and
// one aborted at the time-out with the bytes that had arrived; only batchReplyFinished tells
// them from good ones.
void tst_HttpRequestHandler::batchHandsFailedRepliesOnWithTheirError()
{
    m_server->setFile("/good.qm", "good");
    m_server->setRoute("/cut.qm", Route{200, BYTES, 0, 0, 0, true});
    m_server->setRoute("/trickle.qm", Route{200, BYTES, 0, 100, 100});
    QStringList urls;
    for (const QString name : {"good.qm", "missing.qm", "cut.qm", "trickle.qm"})
        urls << url(name);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(urls);
    handler->setTimeoutForTesting(1000);
    BatchRecorder recorder(handler);
    handler->getFiles();

    QTRY_COMPARE(recorder.replies.size(), 4);
    QVERIFY(recorder.inOrder());
    for (const BatchReply& reply : std::as_const(recorder.replies)) {
        QCOMPARE(reply.urlCounter, 4);
        QVERIFY2(reply.fileName == "good.qm" ? reply.error.isEmpty()
                                             : reply.error.endsWith(" --- " + reply.fileName),
                 qPrintable(reply.error));
    }
    QCOMPARE(recorder.reply("good.qm").body, QByteArray("good"));
    const BatchReply missing = recorder.reply("missing.qm");
    QCOMPARE(missing.body, QByteArray("<html><body><h1>404 Not Found</h1></body></html>"));
    QVERIFY2(missing.error.contains("Not Found"), qPrintable(missing.error));
    const BatchReply cut = recorder.reply("cut.qm");
    QVERIFY(cut.body.size() < BYTES.size() && BYTES.startsWith(cut.body));
    const BatchReply aborted = recorder.reply("trickle.qm");
    QVERIFY(!aborted.body.isEmpty());
    QVERIFY(aborted.body.size() < BYTES.size() && BYTES.startsWith(aborted.body));
    QVERIFY2(aborted.error.contains("cancel", Qt::CaseInsensitive), qPrintable(aborted.error));
    QTRY_VERIFY(handler.isNull());
}

void tst_HttpRequestHandler::emptyBatch()
{
    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(QStringList());
    BatchRecorder recorder(handler);
    handler->getFiles();
    QCOMPARE(handler->urlCounter(), 0);
    QTRY_VERIFY(handler.isNull());
    QVERIFY(recorder.replies.isEmpty());
    QVERIFY(m_server->requests().isEmpty());
}

// A second getFiles() on a busy handler starts the list again; every reply reports the
// counter of the latest batch, and the handler lives until the last reply of both.
void tst_HttpRequestHandler::repeatedBatchOverwritesCounter()
{
    m_server->setFile("/quick.qm", "quick");
    m_server->setRoute("/stuck.qm", Route{200, "stuck", 60000});

    QPointer<HttpRequestHandler> handler =
        new HttpRequestHandler(QStringList{url("quick.qm"), url("stuck.qm")});
    handler->setTimeoutForTesting(1500);
    BatchRecorder recorder(handler);
    handler->getFiles();
    handler->getFiles();
    QCOMPARE(handler->urlCounter(), 2);

    QTRY_COMPARE(recorder.replies.size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!handler.isNull());
    QCOMPARE(recorder.reply("quick.qm").error, QString());

    QTRY_COMPARE(recorder.replies.size(), 4);
    QVERIFY(recorder.inOrder());
    QTRY_VERIFY(handler.isNull());
    for (const BatchReply& reply : std::as_const(recorder.replies))
        QCOMPARE(reply.urlCounter, 2);
    QCOMPARE(m_server->requestCount("/quick.qm"), 2);
    QCOMPARE(m_server->requestCount("/stuck.qm"), 2);
}

void tst_HttpRequestHandler::manyConcurrentBatchReplies()
{
    const int count = 300;
    QStringList urls;
    QSet<QString> expectedNames;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("file_%1.qm").arg(i, 3, 10, QLatin1Char('0'));
        m_server->setFile("/many/" + name, name.toUtf8().repeated(i % 7 + 1));
        urls << url("many/" + name);
        expectedNames << name;
    }

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(urls);
    BatchRecorder recorder(handler);
    handler->getFiles();

    QTRY_COMPARE_WITH_TIMEOUT(recorder.replies.size(), count, 15000);
    QVERIFY(recorder.inOrder());
    QSet<QString> names;
    for (const BatchReply& reply : std::as_const(recorder.replies)) {
        names << reply.fileName;
        const int index = reply.fileName.mid(5, 3).toInt();
        QCOMPARE(reply.body, reply.fileName.toUtf8().repeated(index % 7 + 1));
        QCOMPARE(reply.urlCounter, count);
        QCOMPARE(reply.error, QString());
    }
    QCOMPARE(names, expectedNames);
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(recorder.replies.size(), count);
    QCOMPARE(m_server->requests().size(), count);
}

void tst_HttpRequestHandler::replyTimeoutOnNonReply()
{
    QTest::ignoreMessage(QtCriticalMsg, "ReplyTimeout was used on a non-QNetworkReply object!");
    ReplyTimeout::set(nullptr, 10);
    QTest::qWait(200);
}

void tst_HttpRequestHandler::certificates_data()
{
    QTest::addColumn<QString>("certificate");
    // What the failure text says; empty when the server is trusted.
    QTest::addColumn<QString>("why");
    QTest::newRow("trusted, over HTTP/2") << "server"
                                          << "";
    QTest::newRow("untrusted authority") << "untrusted"
                                         << "local issuer";
    QTest::newRow("expired") << "expired"
                             << "expired";
    QTest::newRow("wrong host name") << "wronghost"
                                     << "'localhost'";
}

// Over HTTPS the certificate is checked for every request: a server that fails the check is
// reported like any failed download, naming the host, and none of its bytes are handed on.
void tst_HttpRequestHandler::certificates()
{
    QFETCH(QString, certificate);
    QFETCH(QString, why);
    const QString unavailable = NginxServer::unavailableReason();
    if (!unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    QTemporaryDir tree;
    QDir().mkpath(tree.filePath("storage/kelvo"));
    for (const QString name : {"a.qm", "b.qm"}) {
        QFile file(tree.filePath("storage/kelvo/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    }
    NginxServer nginx;
    QVERIFY2(nginx.start(tree.path(), certificate), qPrintable(nginx.errorText()));
    const QString url = nginx.baseUrl() + "storage/kelvo/";

    QPointer<HttpRequestHandler> single = new HttpRequestHandler(url + "a.qm");
    QSignalSpy file(single, &HttpRequestHandler::receivedFile);
    QSignalSpy failed(single, &HttpRequestHandler::downloadFailed);
    single->getFile("tag");
    QPointer<HttpRequestHandler> batch =
        new HttpRequestHandler(QStringList{url + "a.qm", url + "b.qm"});
    BatchRecorder recorder(batch);
    batch->getFiles();
    QTRY_VERIFY(single.isNull() && batch.isNull());

    QCOMPARE(recorder.replies.size(), 2);
    if (why.isEmpty()) {
        QCOMPARE(file.count(), 1);
        QCOMPARE(file.at(0).at(1).toByteArray(), QByteArray("a.qm"));
        for (const BatchReply& reply : std::as_const(recorder.replies))
            QCOMPARE(reply.body, reply.fileName.toUtf8());
        const QStringList log = nginx.accessLog();
        QCOMPARE(log.size(), 3);
        for (const QString& line : log)
            QVERIFY2(line.endsWith(" 200 4 HTTP/2.0"), qPrintable(line));
        return;
    }
    QCOMPARE(file.count(), 0);
    QCOMPARE(failed.count(), 1);
    const QStringList errors{failed.at(0).at(0).toString(), recorder.replies.at(0).error,
                             recorder.replies.at(1).error};
    for (const QString& error : errors) {
        QVERIFY2(error.startsWith("TLS handshake with localhost failed") && error.contains(why),
                 qPrintable(error));
    }
    for (const BatchReply& reply : std::as_const(recorder.replies))
        QVERIFY(reply.body.isEmpty());
    QVERIFY(nginx.accessLog().isEmpty());
}

QTEST_GUILESS_MAIN(tst_HttpRequestHandler)
#include "tst_httprequesthandler.moc"
