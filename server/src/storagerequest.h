#pragma once

#include <QByteArray>

// One HTTP/1.x request as far as a read-only file server cares about it.
struct StorageRequest
{
    QByteArray method;
    // The request target as sent: path and optional query, still percent-encoded.
    QByteArray target;
    bool keepAlive = true;
    // A request that carries a body ends its connection: the server never reads bodies, so
    // the bytes after it could not be told apart from the next request.
    bool hasBody = false;

    // The target without query and fragment.
    QByteArray path() const;
};

// Takes complete requests off the front of a connection's receive buffer.
namespace StorageRequestParser {

enum class Result { Complete, Incomplete, Malformed };

// Longest request head (request line and headers) that is accepted.
inline constexpr int MAX_HEAD_SIZE = 16 * 1024;

// On Complete, fills `request` and removes its head from `buffer`. Blank lines in front of
// a request are dropped in any case, as HTTP asks of a robust server.
Result take(QByteArray& buffer, StorageRequest& request);

} // namespace StorageRequestParser
