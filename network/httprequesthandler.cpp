#include "httprequesthandler.h"

#include "curlreply.h"
#include "namecheck.h"
#include "replytimeout.h"

#include <QFileInfo>
#include <QJsonParseError>
#include <QUrl>

namespace {

// Failures name the file that was asked for, not the one a redirect may have led to. The
// decoded name may hold anything the server chose, line breaks included.
QString failureText(const QString& reason, const QString& requestUrl)
{
    return NameCheck::escapeHidden(reason) + QStringLiteral(" --- ") +
           NameCheck::printable(QUrl(requestUrl, QUrl::TolerantMode).fileName(QUrl::FullyDecoded));
}

} // namespace

QString HttpRequestHandler::fileNameOf(const QUrl& url)
{
    return QFileInfo(url.path(QUrl::FullyDecoded)).fileName();
}

HttpRequestHandler::HttpRequestHandler(const QStringList& urls) : m_urls(urls) {}

HttpRequestHandler::HttpRequestHandler(const QString& url) : m_url(url) {}

// The replies leave the session before it goes; the last first, so that no waiting transfer
// is started on the way.
HttpRequestHandler::~HttpRequestHandler()
{
    const QList<CurlReply*> replies = findChildren<CurlReply*>(Qt::FindDirectChildrenOnly);
    for (auto reply = replies.rbegin(); reply != replies.rend(); ++reply)
        delete *reply;
}

void HttpRequestHandler::setMaxReplyBytesForTesting(qint64 bytes)
{
    m_maxReplyBytes = bytes;
    for (CurlReply* reply : findChildren<CurlReply*>(Qt::FindDirectChildrenOnly))
        reply->setMaxBytes(bytes);
}

void HttpRequestHandler::getFile(const QString& additionalInfos)
{
    CurlReply* reply = startRequest(m_url);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, additionalInfos] { deliverFile(reply, additionalInfos); });
}

void HttpRequestHandler::getJsonFile(const QUrlQuery& query)
{
    CurlReply* reply = startRequest(m_url, query);
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
        CurlReply* reply = startRequest(url);
        connect(reply, &QNetworkReply::finished, this,
                [this, reply, url] { deliverBatchReply(reply, url); });
    }
}

CurlReply* HttpRequestHandler::startRequest(const QString& url, const QUrlQuery& query)
{
    QUrl target(url, QUrl::TolerantMode);
    if (!query.isEmpty())
        target.setQuery(query.query());
    auto* reply = new CurlReply(m_session, target, m_maxReplyBytes, this);
    ReplyTimeout::set(reply, m_timeoutMs);
    ++m_repliesInFlight;
    return reply;
}

QString HttpRequestHandler::errorText(const CurlReply* reply, const QString& requestUrl) const
{
    if (reply->error() != QNetworkReply::NoError)
        return failureText(reply->errorString(), requestUrl);
    return QString();
}

void HttpRequestHandler::deliverFile(CurlReply* reply, const QString& additionalInfos)
{
    const QString error = errorText(reply, m_url);
    if (!error.isEmpty())
        emit downloadFailed(error);
    else
        emit receivedFile(fileNameOf(reply->url()), reply->body(), additionalInfos);
    replyDelivered(reply);
}

void HttpRequestHandler::deliverJsonFile(CurlReply* reply)
{
    const QString error = errorText(reply, m_url);
    if (!error.isEmpty()) {
        emit downloadFailed(error);
    } else {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(reply->body(), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            emit downloadFailed(failureText(parseError.errorString(), m_url));
        else
            emit httpRequestJSONFileReceived(document);
    }
    replyDelivered(reply);
}

// A failed or aborted reply hands on every byte that arrived.
void HttpRequestHandler::deliverBatchReply(CurlReply* reply, const QString& url)
{
    const QByteArray bytes = reply->body();
    const QString fileName = fileNameOf(reply->url());
    const QString error = errorText(reply, url);
    emit receivedReply(m_urlCounter, bytes, fileName);
    emit batchReplyFinished(m_urlCounter, bytes, fileName, error);
    replyDelivered(reply);
}

void HttpRequestHandler::replyDelivered(CurlReply* reply)
{
    reply->deleteLater();
    if (--m_repliesInFlight == 0)
        deleteLater();
}
