#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <curl/curl.h>

class CurlReply;

// Runs transfers through libcurl's multi interface, driven by the Qt event loop of the thread
// it lives in: libcurl names the sockets to watch and the time of its next deadline, and the
// session hands socket activity and expired deadlines back to it. The transfers of a session
// share its connections: up to six to one host, and over HTTPS one HTTP/2 connection carries
// them all. Like a QNetworkAccessManager, a session reuses no connection of another session.
//
// Certificates are checked against the system's authorities and, when given, the extra
// authority file (see extraCaFile()); certificate errors are never ignored.
class CurlSession : public QObject
{
    Q_OBJECT

public:
    explicit CurlSession(QObject* parent = nullptr);
    // Every transfer of the session must have been stopped.
    ~CurlSession() override;

    // The PEM file of an extra certificate authority to trust next to the system's: the
    // environment's QUILLMARK_CA_FILE, else the build setting of the same name; empty for none.
    static QString extraCaFile();

    // Starts the transfer, or queues it while the session runs as many as one HTTP/2
    // connection carries: more would make libcurl open further connections, each with its
    // own TLS handshake, for no gain.
    void start(CurlReply* reply);
    // Takes a transfer out of the session; safe for transfers that already ended.
    void stop(CurlReply* reply);

private:
    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* session, void* watch);
    static int onTimer(CURLM* multi, long milliseconds, void* session);
    void act(curl_socket_t socket, int events);
    void finishTransfers();
    void ended(CURL* easy);

    static constexpr int MAX_RUNNING = 100;

    CURLM* m_multi = nullptr;
    QTimer m_deadline{this};
    QByteArray m_extraCaFile;
    QSet<CURL*> m_running;
    QList<CurlReply*> m_waiting;
};
