#include "httprequesthandler.h"

#include "replytimeout.h"

#include <QFileInfo>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>

namespace {

// Failures name the file that was asked for, not the one a redirect may have led to.
QString failureText(const QString& reason, const QString& requestUrl)
{
    return reason + QStringLiteral(" --- ") +
           QUrl(requestUrl, QUrl::TolerantMode).fileName(QUrl::FullyDecoded);
}

// Exactly what has arrived. readAll() would size its buffer for a larger read first and shrink
// it afterwards, which costs an allocation and a copy for every piece of every reply.
QByteArray readAvailable(QNetworkReply* reply)
{
    const qint64 available = reply->bytesAvailable();
    return available > 0 ? reply->read(available) : QByteArray();
}

QString deliveredFileName(const QNetworkReply* reply)
{
    return QFileInfo(reply->url().path(QUrl::FullyDecoded)).fileName();
}

} // namespace

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
    ++m_repliesInFlight;
    return reply;
}

void HttpRequestHandler::deliverFile(QNetworkReply* reply, const QString& additionalInfos)
{
    if (reply->error() != QNetworkReply::NoError)
        emit downloadFailed(failureText(reply->errorString(), m_url));
    else
        emit receivedFile(deliveredFileName(reply), reply->readAll(), additionalInfos);
    reply->deleteLater();
    replyDelivered();
}

void HttpRequestHandler::deliverJsonFile(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit downloadFailed(failureText(reply->errorString(), m_url));
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
    const QString fileName = deliveredFileName(reply);
    const QString error = reply->error() == QNetworkReply::NoError
                              ? QString()
                              : failureText(reply->errorString(), url);
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
