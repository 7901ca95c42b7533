#include "storageresponse.h"

#include <QDateTime>
#include <QLocale>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Internal Server Error";
    }
}

QByteArray httpDate()
{
    return QLocale::c()
               .toString(QDateTime::currentDateTimeUtc(),
                         QStringLiteral("ddd, dd MMM yyyy hh:mm:ss"))
               .toLatin1() +
           " GMT";
}

} // namespace

StorageResponse StorageResponse::file(const QByteArray& contentType, const QByteArray& body)
{
    return {200, contentType, body};
}

StorageResponse StorageResponse::error(int status)
{
    const QByteArray title = QByteArray::number(status) + ' ' + reasonPhrase(status);
    return {status, "text/html; charset=utf-8",
            "<html><head><title>" + title + "</title></head><body><h1>" + title +
                "</h1></body></html>\n"};
}

QByteArray StorageResponse::serialise(bool keepAlive, bool withoutBody) const
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                      "\r\nServer: quillmark-storage-server\r\nDate: " + httpDate() +
                      "\r\nContent-Type: " + contentType +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: " + (keepAlive ? "keep-alive" : "close") + "\r\n";
    if (status == 405)
        head += "Allow: GET, HEAD\r\n";
    head += "\r\n";
    return withoutBody ? head : head + body;
}
