#include "storageconnection.h"

#include "storageresponder.h"

#include <QTcpSocket>

namespace {

// Beyond this much unsent output the connection stops reading, so that a client that
// pipelines requests without reading the answers cannot make the server buffer without end.
constexpr qint64 MAX_PENDING_OUTPUT = 4 * 1024 * 1024;
constexpr qint64 READ_BUFFER_SIZE = 64 * 1024;
} // namespace

StorageConnection::StorageConnection(QTcpSocket* socket, const StorageResponder& responder,
                                     QObject* parent)
    : QObject(parent), m_socket(socket), m_responder(responder)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(READ_BUFFER_SIZE);
    connect(m_socket, &QTcpSocket::readyRead, this, &StorageConnection::serve);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &StorageConnection::serve);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
}

void StorageConnection::serve()
{
    while (!m_closing && m_socket->bytesToWrite() < MAX_PENDING_OUTPUT) {
        m_buffer += m_socket->readAll();
        StorageRequest request;
        switch (StorageRequestParser::take(m_buffer, request)) {
        case StorageRequestParser::Result::Incomplete:
            return;
        case StorageRequestParser::Result::Malformed:
            rejectMalformed();
            return;
        case StorageRequestParser::Result::Complete:
            answer(request);
            break;
        }
    }
}

void StorageConnection::answer(const StorageRequest& request)
{
    const StorageResponse response = m_responder.respond(request);
    const bool keepAlive = request.keepAlive && !request.hasBody;
    const bool withoutBody = request.method == "HEAD";
    m_socket->write(response.serialise(keepAlive, withoutBody));
    emit requestServed(QString::fromLatin1(request.method), QString::fromLatin1(request.target),
                       response.status, withoutBody ? 0 : response.body.size());
    if (!keepAlive)
        closeAfterWriting();
}

void StorageConnection::rejectMalformed()
{
    const StorageResponse response = StorageResponse::error(400);
    m_socket->write(response.serialise(false, false));
    emit requestServed(QStringLiteral("-"), QStringLiteral("-"), response.status,
                       response.body.size());
    closeAfterWriting();
}

void StorageConnection::closeAfterWriting()
{
    m_closing = true;
    m_buffer.clear();
    m_socket->disconnectFromHost();
}
