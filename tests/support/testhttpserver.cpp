#include "testhttpserver.h"

#include <QQueue>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

const QByteArray NOT_FOUND_BODY = "<html><body><h1>404 Not Found</h1></body></html>";

QByteArray reasonPhrase(int status)
{
    static const QHash<int, QByteArray> phrases{
        {200, "OK"}, {400, "Bad Request"}, {404, "Not Found"}, {500, "Internal Server Error"}};
    return phrases.value(status, "Unknown");
}

QByteArray headerValue(const QList<QByteArray>& headerLines, const QByteArray& name)
{
    for (const QByteArray& line : headerLines) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

// One client connection: parses the requests as they arrive and answers them one after
// the other, so that pipelined requests get their responses in order.
class TestHttpConnection : public QObject
{
public:
    using Resolver = std::function<TestHttpServer::Route(const QByteArray&)>;

    TestHttpConnection(QTcpSocket* socket, Resolver resolver, QObject* parent)
        : QObject(parent), m_socket(socket), m_resolve(std::move(resolver))
    {
        m_socket->setParent(this);
        connect(m_socket, &QTcpSocket::readyRead, this, &TestHttpConnection::readRequests);
        connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    struct Pending
    {
        TestHttpServer::Route route;
        bool closeAfter = false;
    };

    void readRequests()
    {
        m_inbox += m_socket->readAll();
        while (takeRequest()) {
        }
        if (!m_busy)
            serveNext();
    }

    bool takeRequest()
    {
        const int headEnd = m_inbox.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return false;
        QList<QByteArray> lines = m_inbox.left(headEnd).split('\n');
        for (QByteArray& line : lines)
            line = line.trimmed();
        const QList<QByteArray> requestLine = lines.takeFirst().split(' ');
        m_inbox.remove(0, headEnd + 4);

        Pending pending;
        if (requestLine.size() != 3) {
            pending.route.status = 400;
            pending.closeAfter = true;
        } else {
            pending.route = m_resolve(requestLine.at(1));
            pending.closeAfter = headerValue(lines, "Connection").toLower().contains("close");
        }
        m_queue.enqueue(pending);
        return true;
    }

    void serveNext()
    {
        if (m_queue.isEmpty())
            return;
        m_busy = true;
        m_current = m_queue.dequeue();
        QTimer::singleShot(m_current.route.delayMs, this, [this] {
            sendHead();
            sendBody(0);
        });
    }

    bool connected() const { return m_socket->state() == QAbstractSocket::ConnectedState; }

    void sendHead()
    {
        if (!connected())
            return;
        const TestHttpServer::Route& route = m_current.route;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' +
                          reasonPhrase(route.status) + "\r\n";
        head += "Content-Type: application/octet-stream\r\n";
        head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        head += m_current.closeAfter ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
        m_socket->write(head + "\r\n");
    }

    void sendBody(int offset)
    {
        if (!connected())
            return;
        const TestHttpServer::Route& route = m_current.route;
        const bool midBody = route.closeMidBody || route.resetMidBody;
        const int end = midBody ? route.body.size() / 2 : route.body.size();
        const int next = route.chunkSize > 0 ? qMin(end, offset + route.chunkSize) : end;
        m_socket->write(route.body.mid(offset, next - offset));
        if (route.onBodyProgress) {
            m_socket->flush();
            route.onBodyProgress(next);
        }
        if (next >= end) {
            finishResponse();
            return;
        }
        QTimer::singleShot(route.chunkIntervalMs, this, [this, next] { sendBody(next); });
    }

    // A zero linger time makes closing the socket send a reset instead of a normal close.
    void reset()
    {
        m_socket->flush();
#ifdef Q_OS_UNIX
        const linger immediate{1, 0};
        ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &immediate,
                     sizeof immediate);
#endif
        m_socket->abort();
    }

    void finishResponse()
    {
        if (m_current.route.afterResponse) {
            m_socket->flush();
            m_current.route.afterResponse();
        }
        if (m_current.route.resetMidBody) {
            reset();
            return;
        }
        if (m_current.route.closeMidBody || m_current.closeAfter) {
            m_socket->disconnectFromHost();
            return;
        }
        m_busy = false;
        serveNext();
    }

    QTcpSocket* m_socket;
    Resolver m_resolve;
    QByteArray m_inbox;
    QQueue<Pending> m_queue;
    Pending m_current;
    bool m_busy = false;
};

} // namespace

TestHttpServer::TestHttpServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::acceptConnections);
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("TestHttpServer cannot listen: %s", qPrintable(m_server.errorString()));
    m_port = m_server.serverPort();
}

QString TestHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

void TestHttpServer::setRoute(const QString& path, const Route& route)
{
    m_routes.insert(path, route);
}

void TestHttpServer::setFile(const QString& path, const QByteArray& body)
{
    Route route;
    route.body = body;
    setRoute(path, route);
}

void TestHttpServer::removeRoute(const QString& path)
{
    m_routes.remove(path);
}

void TestHttpServer::setRefusing(bool refusing)
{
    if (!refusing && !m_server.isListening()) {
        if (!m_server.listen(QHostAddress::LocalHost, m_port))
            qFatal("TestHttpServer cannot listen again: %s", qPrintable(m_server.errorString()));
    } else if (refusing) {
        m_server.close();
    }
}

int TestHttpServer::requestCount(const QString& path) const
{
    int count = 0;
    for (const QUrl& url : m_requests) {
        if (url.path(QUrl::FullyEncoded) == path || url.path(QUrl::FullyDecoded) == path)
            ++count;
    }
    return count;
}

void TestHttpServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        new TestHttpConnection(
            socket, [this](const QByteArray& target) { return answer(target); }, this);
    }
}

TestHttpServer::Route TestHttpServer::answer(const QByteArray& target)
{
    m_requests.append(QUrl::fromEncoded(target, QUrl::TolerantMode));
    Route route;
    const int queryStart = target.indexOf('?');
    const QByteArray rawPath = queryStart < 0 ? target : target.left(queryStart);
    const QString encoded = QString::fromLatin1(rawPath);
    const QString decoded = QUrl::fromPercentEncoding(rawPath);
    if (m_routes.contains(encoded))
        return m_routes.value(encoded);
    if (m_routes.contains(decoded))
        return m_routes.value(decoded);
    route.status = 404;
    route.body = NOT_FOUND_BODY;
    return route;
}
