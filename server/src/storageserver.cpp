#include "storageserver.h"

#include "storageconnection.h"

#include <QTcpSocket>

StorageServer::StorageServer(const QString& rootPath, QObject* parent)
    : QObject(parent), m_responder(rootPath)
{
    connect(&m_server, &QTcpServer::newConnection, this, &StorageServer::acceptConnections);
}

bool StorageServer::listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

void StorageServer::close()
{
    m_server.close();
}

QString StorageServer::logLine(const QString& method, const QString& path, int status, qint64 bytes)
{
    return QStringLiteral("%1 %2 %3 %4").arg(method, path).arg(status).arg(bytes);
}

void StorageServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* connection = new StorageConnection(socket, m_responder, this);
        connect(connection, &StorageConnection::requestServed, this, &StorageServer::requestServed);
    }
}
