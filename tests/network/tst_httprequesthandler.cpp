#include "httprequesthandler.h"
#include "replytimeout.h"
#include "testhttpserver.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <memory>

namespace {

// What one batch reply delivered, from both of its signals.
struct BatchReply
{
    int urlCounter = -1;
    QByteArray body;
    QString fileName;
    QString error;
    bool errorSeen = false;
};

// Records every batch reply; receivedReply opens a record and batchReplyFinished, which
// must follow it at once, completes it.
class BatchRecorder
{
public:
    explicit BatchRecorder(HttpRequestHandler* handler)
    {
        QObject::connect(handler, &HttpRequestHandler::receivedReply,
                         [this](int counter, const QByteArray& body, const QString& fileName) {
                             if (!m_replies.isEmpty() && !m_replies.last().errorSeen)
                                 m_outOfOrder = true;
                             m_replies.append({counter, body, fileName, QString(), false});
                         });
        QObject::connect(handler, &HttpRequestHandler::batchReplyFinished,
                         [this](int counter, const QByteArray& body, const QString& fileName,
                                const QString& error) {
                             if (m_replies.isEmpty() || m_replies.last().errorSeen ||
                                 m_replies.last().fileName != fileName ||
                                 m_replies.last().body != body ||
                                 m_replies.last().urlCounter != counter) {
                                 m_outOfOrder = true;
                                 return;
                             }
                             m_replies.last().error = error;
                             m_replies.last().errorSeen = true;
                         });
    }

    int count() const { return m_replies.size(); }
    bool outOfOrder() const { return m_outOfOrder; }
    QList<BatchReply> replies() const { return m_replies; }

    BatchReply reply(const QString& fileName) const
    {
        for (const BatchReply& reply : m_replies) {
            if (reply.fileName == fileName)
                return reply;
        }
        return {};
    }

private:
    QList<BatchReply> m_replies;
    bool m_outOfOrder = false;
};

QByteArray numberedBytes(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char('a' + i % 26);
    return bytes;
}

TestHttpServer::Route slowRoute(const QByteArray& body, int delayMs, int chunkSize = 0,
                                int chunkIntervalMs = 0)
{
    TestHttpServer::Route route;
    route.body = body;
    route.delayMs = delayMs;
    route.chunkSize = chunkSize;
    route.chunkIntervalMs = chunkIntervalMs;
    return route;
}

TestHttpServer::Route statusRoute(int status, const QByteArray& body)
{
    TestHttpServer::Route route;
    route.status = status;
    route.body = body;
    return route;
}

TestHttpServer::Route truncatedRoute(const QByteArray& body)
{
    TestHttpServer::Route route;
    route.body = body;
    route.closeMidBody = true;
    return route;
}

} // namespace

Q_DECLARE_METATYPE(TestHttpServer::Route)

class tst_HttpRequestHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void timeoutIsTwentySeconds();
    void jsonQuery_data();
    void jsonQuery();
    void fileNames_data();
    void fileNames();
    void singleFailures_data();
    void singleFailures();
    void jsonParseFailures_data();
    void jsonParseFailures();
    void slowReplyWithinTimeoutIsDelivered();
    void singleTimeout_data();
    void singleTimeout();
    void batchTimeoutDeliversBytesSoFar();
    void batchFailures();
    void emptyBatch();
    void repeatedBatchOverwritesCounter();
    void manyConcurrentBatchReplies();
    void replyTimeoutOnNonReply();
    void serverAnswersPipelinedRequestsInOrder();

private:
    QString url(const QString& path) const { return m_server->baseUrl() + path; }

    std::unique_ptr<TestHttpServer> m_server;
};

void tst_HttpRequestHandler::init()
{
    m_server = std::make_unique<TestHttpServer>();
}

void tst_HttpRequestHandler::cleanup()
{
    m_server.reset();
}

void tst_HttpRequestHandler::timeoutIsTwentySeconds()
{
    QCOMPARE(HttpRequestHandler::TIMEOUT_MS, 20000);
}

void tst_HttpRequestHandler::jsonQuery_data()
{
    QTest::addColumn<QString>("storedUrl");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("seenQuery");

    QTest::newRow("no query") << "getPluginNames.php"
                              << ""
                              << "";
    QTest::newRow("query added") << "getPluginNames.php"
                                 << "appId=6"
                                 << "appId=6";
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
    const QUrl seen = m_server->requests().first();
    QCOMPARE(seen.path(), QStringLiteral("/getPluginNames.php"));
    QCOMPARE(seen.hasQuery(), !seenQuery.isEmpty());
    QCOMPARE(seen.query(), seenQuery);
    QTRY_VERIFY(handler.isNull());
}

void tst_HttpRequestHandler::fileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("library in a folder") << "storage/kelvo/Ventus/1_2_0_release/libs/Ventus.dll"
                                         << "Ventus.dll";
    QTest::newRow("folder with trailing slash") << "storage/kelvo/Ventus/"
                                                << "";
    QTest::newRow("server root") << ""
                                 << "";
    QTest::newRow("percent-encoded name") << "storage/kelvo/manual%20v2.pdf"
                                          << "manual v2.pdf";
    QTest::newRow("unencoded space") << "storage/kelvo/manual v2.pdf"
                                     << "manual v2.pdf";
    QTest::newRow("query not in name") << "storage/kelvo/kelvo.info?x=1"
                                       << "kelvo.info";
}

// Single files and batch replies name the file alike, and a single file hands the caller's
// tag back unchanged.
void tst_HttpRequestHandler::fileNames()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    const QString routePath = QUrl(url(path)).path();
    m_server->setFile(routePath, "payload");
    const QString tag = QStringLiteral("Ventus ünïcode/tag");

    QPointer<HttpRequestHandler> single = new HttpRequestHandler(url(path));
    QSignalSpy file(single, &HttpRequestHandler::receivedFile);
    single->getFile(tag);
    QTRY_COMPARE(file.count(), 1);
    QCOMPARE(file.at(0).at(0).toString(), fileName);
    QCOMPARE(file.at(0).at(1).toByteArray(), QByteArray("payload"));
    QCOMPARE(file.at(0).at(2).toString(), tag);
    QTRY_VERIFY(single.isNull());

    QPointer<HttpRequestHandler> batch = new HttpRequestHandler(QStringList{url(path)});
    BatchRecorder recorder(batch);
    batch->getFiles();
    QTRY_COMPARE(recorder.count(), 1);
    QCOMPARE(recorder.replies().first().fileName, fileName);
    QCOMPARE(recorder.replies().first().body, QByteArray("payload"));
    QCOMPARE(recorder.replies().first().error, QString());
    QTRY_VERIFY(batch.isNull());
}

void tst_HttpRequestHandler::singleFailures_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<QString>("path");
    QTest::addColumn<TestHttpServer::Route>("route");
    QTest::addColumn<QString>("reason");

    const TestHttpServer::Route missing = statusRoute(404, "<h1>404 Not Found</h1>");
    const TestHttpServer::Route broken = statusRoute(500, R"({"error": true})");
    const TestHttpServer::Route cut = truncatedRoute(numberedBytes(4000));
    QTest::newRow("file 404") << false << "libs/Ventus.dll" << missing << "Not Found";
    QTest::newRow("json 404") << true << "plugins.info" << missing << "Not Found";
    QTest::newRow("file 500") << false << "libs/Ventus.dll" << broken << "Internal Server Error";
    QTest::newRow("json 500") << true << "plugins.info" << broken << "Internal Server Error";
    QTest::newRow("file cut") << false << "libs/Ventus.dll" << cut << "closed";
    QTest::newRow("json cut") << true << "plugins.info" << cut << "closed";
}

void tst_HttpRequestHandler::singleFailures()
{
    QFETCH(bool, json);
    QFETCH(QString, path);
    QFETCH(TestHttpServer::Route, route);
    QFETCH(QString, reason);
    m_server->setRoute("/" + path, route);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url(path));
    QSignalSpy failed(handler, &HttpRequestHandler::downloadFailed);
    QSignalSpy file(handler, &HttpRequestHandler::receivedFile);
    QSignalSpy document(handler, &HttpRequestHandler::httpRequestJSONFileReceived);
    if (json)
        handler->getJsonFile(QUrlQuery());
    else
        handler->getFile("tag");

    QTRY_COMPARE(failed.count(), 1);
    const QString text = failed.at(0).at(0).toString();
    const QString suffix = " --- " + QUrl(path).fileName();
    QVERIFY2(text.endsWith(suffix), qPrintable(text));
    QVERIFY2(text.chopped(suffix.size()).contains(reason, Qt::CaseInsensitive), qPrintable(text));
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(file.count(), 0);
    QCOMPARE(document.count(), 0);
}

void tst_HttpRequestHandler::jsonParseFailures_data()
{
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("empty body") << QByteArray();
    QTest::newRow("404 page with status 200")
        << QByteArray("<html><body><h1>404 Not Found</h1></body></html>");
    QTest::newRow("truncated document") << QByteArray(R"({"plugins": [)");
}

void tst_HttpRequestHandler::jsonParseFailures()
{
    QFETCH(QByteArray, body);
    m_server->setFile("/storage/kelvo/kelvo.info", body);
    QJsonParseError parseError;
    QJsonDocument::fromJson(body, &parseError);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url("storage/kelvo/kelvo.info"));
    QSignalSpy failed(handler, &HttpRequestHandler::downloadFailed);
    QSignalSpy document(handler, &HttpRequestHandler::httpRequestJSONFileReceived);
    handler->getJsonFile(QUrlQuery());

    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), parseError.errorString() + " --- kelvo.info");
    QCOMPARE(document.count(), 0);
    QTRY_VERIFY(handler.isNull());
}

void tst_HttpRequestHandler::slowReplyWithinTimeoutIsDelivered()
{
    const QByteArray body = numberedBytes(400);
    m_server->setRoute("/slow.bin", slowRoute(body, 100, 100, 50));

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url("slow.bin"));
    handler->setTimeoutForTesting(5000);
    QSignalSpy file(handler, &HttpRequestHandler::receivedFile);
    QSignalSpy failed(handler, &HttpRequestHandler::downloadFailed);
    handler->getFile(QString());

    QTRY_COMPARE(file.count(), 1);
    QCOMPARE(file.at(0).at(1).toByteArray(), body);
    QCOMPARE(failed.count(), 0);
}

void tst_HttpRequestHandler::singleTimeout_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<TestHttpServer::Route>("route");

    // A stalled server, and one that keeps sending past the limit: the time-out covers the
    // whole transfer, not the silence between pieces.
    const TestHttpServer::Route stalled = slowRoute("[]", 10000);
    const TestHttpServer::Route trickling = slowRoute(numberedBytes(2000), 0, 20, 100);
    QTest::newRow("file stalled") << false << stalled;
    QTest::newRow("json stalled") << true << stalled;
    QTest::newRow("file trickling") << false << trickling;
    QTest::newRow("json trickling") << true << trickling;
}

void tst_HttpRequestHandler::singleTimeout()
{
    QFETCH(bool, json);
    QFETCH(TestHttpServer::Route, route);
    m_server->setRoute("/changelog.json", route);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(url("changelog.json"));
    handler->setTimeoutForTesting(300);
    QSignalSpy failed(handler, &HttpRequestHandler::downloadFailed);
    QSignalSpy file(handler, &HttpRequestHandler::receivedFile);
    QSignalSpy document(handler, &HttpRequestHandler::httpRequestJSONFileReceived);
    if (json)
        handler->getJsonFile(QUrlQuery());
    else
        handler->getFile(QString());

    QTRY_COMPARE(failed.count(), 1);
    const QString text = failed.at(0).at(0).toString();
    QVERIFY2(text.endsWith(" --- changelog.json"), qPrintable(text));
    QVERIFY2(text.contains("cancel", Qt::CaseInsensitive), qPrintable(text));
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(file.count(), 0);
    QCOMPARE(document.count(), 0);
}

void tst_HttpRequestHandler::batchTimeoutDeliversBytesSoFar()
{
    const QByteArray trickle = numberedBytes(4000);
    m_server->setFile("/fast.qm", "fast");
    m_server->setRoute("/trickle.qm", slowRoute(trickle, 0, 100, 100));

    QPointer<HttpRequestHandler> handler =
        new HttpRequestHandler(QStringList{url("fast.qm"), url("trickle.qm")});
    handler->setTimeoutForTesting(600);
    BatchRecorder recorder(handler);
    handler->getFiles();

    QTRY_COMPARE(recorder.count(), 2);
    QVERIFY(!recorder.outOfOrder());
    QCOMPARE(recorder.reply("fast.qm").body, QByteArray("fast"));
    QCOMPARE(recorder.reply("fast.qm").error, QString());
    const BatchReply aborted = recorder.reply("trickle.qm");
    QCOMPARE(aborted.urlCounter, 2);
    QVERIFY(!aborted.body.isEmpty());
    QVERIFY(aborted.body.size() < trickle.size());
    QVERIFY(trickle.startsWith(aborted.body));
    QVERIFY2(aborted.error.endsWith(" --- trickle.qm"), qPrintable(aborted.error));
    QVERIFY2(aborted.error.contains("cancel", Qt::CaseInsensitive), qPrintable(aborted.error));
    QTRY_VERIFY(handler.isNull());
}

// A failed batch reply still arrives through receivedReply with whatever the server sent;
// only batchReplyFinished tells it apart from a good one.
void tst_HttpRequestHandler::batchFailures()
{
    const QByteArray cut = numberedBytes(4000);
    m_server->setFile("/good.qm", "good");
    m_server->setRoute("/broken.qm", statusRoute(500, "oops"));
    m_server->setRoute("/cut.qm", truncatedRoute(cut));
    const QStringList names{"good.qm", "missing.qm", "broken.qm", "cut.qm"};
    QStringList urls;
    for (const QString& name : names)
        urls << url(name);

    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(urls);
    BatchRecorder recorder(handler);
    handler->getFiles();

    QTRY_COMPARE(recorder.count(), 4);
    QVERIFY(!recorder.outOfOrder());
    for (const BatchReply& reply : recorder.replies())
        QCOMPARE(reply.urlCounter, 4);
    QCOMPARE(recorder.reply("good.qm").body, QByteArray("good"));
    QCOMPARE(recorder.reply("good.qm").error, QString());

    const BatchReply missing = recorder.reply("missing.qm");
    QCOMPARE(missing.body, QByteArray("<html><body><h1>404 Not Found</h1></body></html>"));
    QVERIFY2(missing.error.endsWith(" --- missing.qm"), qPrintable(missing.error));
    QVERIFY2(missing.error.contains("Not Found"), qPrintable(missing.error));

    const BatchReply broken = recorder.reply("broken.qm");
    QCOMPARE(broken.body, QByteArray("oops"));
    QVERIFY2(broken.error.endsWith(" --- broken.qm"), qPrintable(broken.error));
    QVERIFY2(broken.error.contains("Internal Server Error"), qPrintable(broken.error));

    const BatchReply truncated = recorder.reply("cut.qm");
    QVERIFY(truncated.body.size() < cut.size());
    QVERIFY(cut.startsWith(truncated.body));
    QVERIFY2(truncated.error.endsWith(" --- cut.qm"), qPrintable(truncated.error));
    QTRY_VERIFY(handler.isNull());
}

void tst_HttpRequestHandler::emptyBatch()
{
    QPointer<HttpRequestHandler> handler = new HttpRequestHandler(QStringList());
    QSignalSpy replies(handler, &HttpRequestHandler::receivedReply);
    QSignalSpy finished(handler, &HttpRequestHandler::batchReplyFinished);
    handler->getFiles();

    QCOMPARE(handler->urlCounter(), 0);
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(replies.count(), 0);
    QCOMPARE(finished.count(), 0);
    QVERIFY(m_server->requests().isEmpty());
}

// A second getFiles() on a busy handler starts the list again; every reply reports the
// counter of the latest batch, and the handler lives until the last reply of both.
void tst_HttpRequestHandler::repeatedBatchOverwritesCounter()
{
    m_server->setFile("/quick.qm", "quick");
    m_server->setRoute("/stuck.qm", slowRoute("stuck", 60000));

    QPointer<HttpRequestHandler> handler =
        new HttpRequestHandler(QStringList{url("quick.qm"), url("stuck.qm")});
    handler->setTimeoutForTesting(1500);
    BatchRecorder recorder(handler);
    handler->getFiles();
    handler->getFiles();
    QCOMPARE(handler->urlCounter(), 2);

    QTRY_COMPARE(recorder.count(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!handler.isNull());
    QCOMPARE(recorder.reply("quick.qm").error, QString());

    QTRY_COMPARE(recorder.count(), 4);
    QVERIFY(!recorder.outOfOrder());
    QTRY_VERIFY(handler.isNull());
    for (const BatchReply& reply : recorder.replies())
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

    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(), count, 15000);
    QVERIFY(!recorder.outOfOrder());
    QSet<QString> names;
    for (const BatchReply& reply : recorder.replies()) {
        names << reply.fileName;
        const int index = reply.fileName.mid(5, 3).toInt();
        QCOMPARE(reply.body, reply.fileName.toUtf8().repeated(index % 7 + 1));
        QCOMPARE(reply.urlCounter, count);
        QCOMPARE(reply.error, QString());
    }
    QCOMPARE(names, expectedNames);
    QTRY_VERIFY(handler.isNull());
    QCOMPARE(recorder.count(), count);
    QCOMPARE(m_server->requests().size(), count);
}

void tst_HttpRequestHandler::replyTimeoutOnNonReply()
{
    QTest::ignoreMessage(QtCriticalMsg, "ReplyTimeout was used on a non-QNetworkReply object!");
    ReplyTimeout::set(nullptr, 10);
    QTest::qWait(200);
}

// Qt Network never pipelines, so a raw socket checks that the server answers requests that
// arrive together in their order, even when the first one is slow.
void tst_HttpRequestHandler::serverAnswersPipelinedRequestsInOrder()
{
    m_server->setRoute("/first", slowRoute("first body", 200));
    m_server->setFile("/second", "2nd");
    QTcpSocket socket;
    QByteArray received;
    connect(&socket, &QTcpSocket::readyRead, this, [&] { received += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, QUrl(m_server->baseUrl()).port());
    socket.write("GET /first HTTP/1.1\r\nHost: x\r\n\r\n"
                 "GET /second?a=b HTTP/1.1\r\nHost: x\r\n\r\n"
                 "GET /third HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");

    QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    const QByteArray expected =
        "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 10\r\n"
        "Connection: keep-alive\r\n\r\nfirst body"
        "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 3\r\n"
        "Connection: keep-alive\r\n\r\n2nd"
        "HTTP/1.1 404 Not Found\r\nContent-Type: application/octet-stream\r\n"
        "Content-Length: 48\r\nConnection: close\r\n\r\n"
        "<html><body><h1>404 Not Found</h1></body></html>";
    QCOMPARE(received, expected);
    QCOMPARE(m_server->requests(),
             QList<QUrl>({QUrl("/first"), QUrl("/second?a=b"), QUrl("/third")}));
    QCOMPARE(m_server->requestCount("/second"), 1);
}

QTEST_GUILESS_MAIN(tst_HttpRequestHandler)
#include "tst_httprequesthandler.moc"
