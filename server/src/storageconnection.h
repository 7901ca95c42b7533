#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class StorageResponder;
struct StorageRequest;

// One client connection: reads requests, answers them in arrival order (so pipelined
// requests come back in order) and keeps the connection open while the client wants it.
// It deletes itself when the client is gone.
class StorageConnection : public QObject
{
    Q_OBJECT

public:
    StorageConnection(QTcpSocket* socket, const StorageResponder& responder, QObject* parent);

signals:
    void requestServed(QString method, QString path, int status, qint64 bytes);

private:
    void serve();
    void answer(const StorageRequest& request);
    void rejectMalformed();
    void closeAfterWriting();

    QTcpSocket* m_socket;
    const StorageResponder& m_responder;
    QByteArray m_buffer;
    bool m_closing = false;
};
