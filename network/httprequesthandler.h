#pragma once

#include "curlsession.h"

#include <QJsonDocument>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

class CurlReply;

// One-shot HTTP GET requests with a time-out and signal-based results. A caller creates a
// handler for one URL (getFile, getJsonFile) or a batch of URLs (getFiles), connects to its
// signals and starts the request.
//
// Lifetime: a handler releases itself (deleteLater) once it has delivered the last reply of
// the requests it was asked for; a batch started with an empty list releases it at once.
// Callers that keep a pointer to a handler must keep it as a QPointer.
//
// Failed batch replies: receivedReply carries no error, like every other reply of a batch.
// Callers that must not mistake a failed reply for a good one (never saving an error body
// over a good file) connect to batchReplyFinished instead, which is emitted for every batch
// reply right after receivedReply and carries the error text, empty on success.
class HttpRequestHandler : public QObject
{
    Q_OBJECT

public:
    // The whole-transfer time-out of every request of the system.
    static constexpr int TIMEOUT_MS = 20000;
    // A reply that announces or delivers more bytes than this is aborted, so that no server
    // can make the program hold an arbitrary amount of data in memory (a build setting).
    static constexpr qint64 MAX_REPLY_BYTES = QUILLMARK_MAX_REPLY_BYTES;

    explicit HttpRequestHandler(const QStringList& urls);
    explicit HttpRequestHandler(const QString& url);
    ~HttpRequestHandler() override;

    void getFile(const QString& additionalInfos);
    void getJsonFile(const QUrlQuery& query);
    void getFiles();

    int urlCounter() const { return m_urlCounter; }

    // The file name that replies to `url` are delivered under: the last part of its path.
    static QString fileNameOf(const QUrl& url);

    // Overrides the time-out for this handler's future requests. Only the tests use it, so
    // that time-out handling runs through the same code path in milliseconds.
    void setTimeoutForTesting(int milliseconds) { m_timeoutMs = milliseconds; }
    // The same for the reply size limit; it also applies to replies already running.
    void setMaxReplyBytesForTesting(qint64 bytes);
    // The same for every handler created afterwards, including those the managers create.
    static void setDefaultsForTesting(int timeoutMs, qint64 maxReplyBytes)
    {
        s_defaultTimeoutMs = timeoutMs;
        s_defaultMaxReplyBytes = maxReplyBytes;
    }

signals:
    void httpRequestJSONFileReceived(QJsonDocument document);
    void receivedFile(QString fileName, QByteArray reply, QString additionalInfos = QString());
    void receivedReply(int urlCounter, QByteArray reply, QString fileName);
    void downloadFailed(QString errorString);
    void batchReplyFinished(int urlCounter, QByteArray reply, QString fileName,
                            QString errorString);

private:
    CurlReply* startRequest(const QString& url, const QUrlQuery& query = QUrlQuery());
    void deliverFile(CurlReply* reply, const QString& additionalInfos);
    void deliverJsonFile(CurlReply* reply);
    void deliverBatchReply(CurlReply* reply, const QString& url);
    void replyDelivered(CurlReply* reply);
    // Why a reply failed, empty when it did not.
    QString errorText(const CurlReply* reply, const QString& requestUrl) const;

    QString m_url;
    QStringList m_urls;
    // A child, as the replies are, so that everything follows the handler to another thread.
    // The replies and their guards are found below the handler.
    CurlSession m_session{this};
    int m_urlCounter = 0;
    int m_repliesInFlight = 0;
    static inline int s_defaultTimeoutMs = TIMEOUT_MS;
    static inline qint64 s_defaultMaxReplyBytes = MAX_REPLY_BYTES;
    int m_timeoutMs = s_defaultTimeoutMs;
    qint64 m_maxReplyBytes = s_defaultMaxReplyBytes;
};
