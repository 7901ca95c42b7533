#pragma once

#include <QByteArray>

// One answer of the storage server; serialised as HTTP/1.1.
struct StorageResponse
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;

    static StorageResponse file(const QByteArray& contentType, const QByteArray& body);
    static StorageResponse error(int status);

    // Status line, headers and, unless `withoutBody` (HEAD), the body.
    QByteArray serialise(bool keepAlive, bool withoutBody) const;
};
