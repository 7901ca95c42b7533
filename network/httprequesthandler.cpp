#include "httprequesthandler.h"

#include "namecheck.h"
#include "replytimeout.h"

#include <QFileInfo>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>

namespace {

// Failures name the file that was asked for, not the one a redirect may have led to. The
// decoded name may hold anything the server chose, line breaks included.
QString failureText(const QString& reason, const QString& requestUrl)
{
    return NameCheck::escapeHidden(reason) + QStringLiteral(" --- ") +
           NameCheck::printable(QUrl(requestUrl, QUrl::TolerantMode).fileName(QUrl::FullyDecoded));
}

// Set on a reply that was aborted for its size, so that its failure says why.
const char* const TOO_LARGE = "quillmarkReplyTooLarge";
// Exactly what has arrived. readAll() would size its buffer for a larger read first and shrink
// it afterwards, which costs an allocation and a copy for every piece of every reply.
QByteArray readAvailable(QNetworkReply* reply)
{
    const qint64 available = reply->bytesAvailable();
    return available > 0 ? reply->read(available) : QByteArray();
}

} // namespace

QString HttpRequestHandler::fileNameOf(const QUrl& url)
{
    return QFileInfo(url.path(QUrl::FullyDecoded)).fileName();
}

HttpRequestHandler::HttpRequestHandler(const QStringList& urls) : m_urls(urls) {}

HttpRequestHandler::HttpRequestHandler(const QString& url) : m_url(url) {}

void HttpRequestHandler::getFile(const QString& additionalInfos)
{
    QNetworkReply* reply = startRequest(m_url);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, additionalInfos] { deliverFile(reply, additionalInfos); });
}

void HttpRequestHandler::getJsonFile(const QUrlQuery& query)
{
    QNetworkReply* reply = startRequest(m_url, query);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { deliverJsonFile(reply); });
}

void HttpRequestHandler::getFiles()
{
    m_urlCounter = m_urls.size();
    if (m_urls.isEmpty() && m_repliesInFlight == 0) {
        deleteLater();
        return;
    }
    for (const QString& url : m_urls) {
        QNetworkReply* reply = startRequest(url);
        // An aborted reply closes itself before it reports and drops what it had buffered;
        // the batch hands back every byte that arrived, so they are taken as they come.
        auto body = std::make_shared<QByteArray>();
        connect(reply, &QNetworkReply::readyRead, reply,
                [reply, body] { body->append(readAvailable(reply)); });
        connect(reply, &QNetworkReply::finished, this,
                [this, reply, body, url] { deliverBatchReply(reply, *body, url); });
    }
}

QNetworkReply* HttpRequestHandler::startRequest(const QString& url, const QUrlQuery& query)
{
    QUrl target(url, QUrl::TolerantMode);
    if (!query.isEmpty())
        target.setQuery(query.query());
    QNetworkReply* reply = m_manager.get(QNetworkRequest(target));
    ReplyTimeout::set(reply, m_timeoutMs);
    limitSize(reply);
    ++m_repliesInFlight;
    return reply;
}

// The reply lies below the handler, so the handler outlives every call of the check.
void HttpRequestHandler::limitSize(QNetworkReply* reply) const
{
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [this, reply](qint64 received, qint64 total) {
                if (received <= m_maxReplyBytes && total <= m_maxReplyBytes)
                    return;
                reply->setProperty(TOO_LARGE, true);
                reply->abort();
            });
}

// A reply that came in whole before its progress was seen is measured here once more.
QString HttpRequestHandler::errorText(const QNetworkReply* reply, qint64 size,
                                      const QString& requestUrl) const
{
    if (reply->property(TOO_LARGE).toBool() || size > m_maxReplyBytes)
        return failureText(
            QStringLiteral("The reply is larger than the limit of %1 bytes").arg(m_maxReplyBytes),
            requestUrl);
    if (reply->error() != QNetworkReply::NoError)
        return failureText(reply->errorString(), requestUrl);
    return QString();
}

void HttpRequestHandler::deliverFile(QNetworkReply* reply, const QString& additionalInfos)
{
    const QString error = errorText(reply, reply->bytesAvailable(), m_url);
    if (!error.isEmpty())
        emit downloadFailed(error);
    else
        emit receivedFile(fileNameOf(reply->url()), reply->readAll(), additionalInfos);
    reply->deleteLater();
    replyDelivered();
}

void HttpRequestHandler::deliverJsonFile(QNetworkReply* reply)
{
    const QString error = errorText(reply, reply->bytesAvailable(), m_url);
    if (!error.isEmpty()) {
        emit downloadFailed(error);
    } else {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(reply->readAll(), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            emit downloadFailed(failureText(parseError.errorString(), m_url));
        else
            emit httpRequestJSONFileReceived(document);
    }
    reply->deleteLater();
    replyDelivered();
}

void HttpRequestHandler::deliverBatchReply(QNetworkReply* reply, const QByteArray& body,
                                           const QString& url)
{
    const QByteArray bytes = reply->isOpen() ? body + readAvailable(reply) : body;
    const QString fileName = fileNameOf(reply->url());
    const QString error = errorText(reply, bytes.size(), url);
    emit receivedReply(m_urlCounter, bytes, fileName);
    emit batchReplyFinished(m_urlCounter, bytes, fileName, error);
    reply->deleteLater();
    replyDelivered();
}

void HttpRequestHandler::replyDelivered()
{
    if (--m_repliesInFlight == 0)
        deleteLater();
}
