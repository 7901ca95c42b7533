#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <functional>

// A scriptable HTTP/1.1 server on 127.0.0.1 for network tests. It runs on the test's event
// loop, keeps connections alive, answers requests in order, and can answer late, slowly or
// truncated. Paths without a route answer 404.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Route
    {
        int status = 200; // status line code; reason phrase from a small table
        QByteArray body;
        int delayMs = 0;           // wait before sending anything
        int chunkSize = 0;         // > 0: send the body in pieces of this size ...
        int chunkIntervalMs = 0;   // ... with this pause between pieces
        bool closeMidBody = false; // announce the full Content-Length, send half the body, close
        bool resetMidBody = false; // the same, but the connection is reset instead of closed
        std::function<void()> afterResponse = nullptr; // runs once the whole response is written
        // Called with the bytes of the body written so far, after each piece.
        std::function<void(qint64)> onBodyProgress = nullptr;
    };

    explicit TestHttpServer(QObject* parent = nullptr);

    // "http://127.0.0.1:<port>/"
    QString baseUrl() const;
    // `path` is without query, e.g. "/storage/kelvo/plugins.info"; it matches the path as the
    // client sent it and its percent-decoded form.
    void setRoute(const QString& path, const Route& route);
    // 200 with that body.
    void setFile(const QString& path, const QByteArray& body);
    void removeRoute(const QString& path);
    // The route of that path; a default route when there is none.
    Route route(const QString& path) const { return m_routes.value(path); }

    // While refusing, connection attempts to the port are refused: nothing listens there.
    // Connections already open stay open.
    void setRefusing(bool refusing);

    // Every request seen, path and query, in order of arrival.
    QList<QUrl> requests() const { return m_requests; }
    // Requests for that path, whatever their query.
    int requestCount(const QString& path) const;
    void clearRequests() { m_requests.clear(); }

private:
    void acceptConnections();
    // Every request is taken for a GET without a body.
    Route answer(const QByteArray& target);

    QTcpServer m_server;
    quint16 m_port = 0;
    QHash<QString, Route> m_routes;
    QList<QUrl> m_requests;
};
