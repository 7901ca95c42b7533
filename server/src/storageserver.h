#pragma once

#include "storageresponder.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

// Serves a storage folder read-only over HTTP/1.1: a URL path names the file at the same
// path below the folder. Reports every request it answers.
class StorageServer : public QObject
{
    Q_OBJECT

public:
    explicit StorageServer(const QString& rootPath, QObject* parent = nullptr);

    // Port 0 lets the system choose a free port; serverPort() tells which.
    bool listen(const QHostAddress& address, quint16 port);
    void close();
    QHostAddress serverAddress() const { return m_server.serverAddress(); }
    quint16 serverPort() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    // "GET /storage/kelvo/plugins.info 200 1234"
    static QString logLine(const QString& method, const QString& path, int status, qint64 bytes);

signals:
    // `bytes` counts the body sent, 0 for HEAD.
    void requestServed(QString method, QString path, int status, qint64 bytes);

private:
    void acceptConnections();

    StorageResponder m_responder;
    QTcpServer m_server;
};
