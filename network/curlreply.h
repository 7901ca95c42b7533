#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <curl/curl.h>

// One GET transfer run by libcurl, seen through the QNetworkReply interface: the body is read
// through the QIODevice functions once finished() has been emitted, error() and errorString()
// say why it failed, and url() is the address the body came from after redirects. Unlike a
// reply of QNetworkAccessManager it keeps every byte that arrived when it is aborted.
class CurlSession;

class CurlReply : public QNetworkReply
{
    Q_OBJECT

public:
    // Starts the transfer at once in `session`, which must outlive the reply.
    CurlReply(CurlSession& session, const QUrl& url, qint64 maxBytes, QObject* parent);
    ~CurlReply() override;

    // A transfer that delivers more bytes than this ends as too large; it also applies to a
    // transfer that is already running.
    void setMaxBytes(qint64 bytes) { m_maxBytes = bytes; }
    // Whether the transfer ended because its reply exceeded the limit.
    bool tooLarge() const { return m_tooLarge; }
    // Every byte of the body that arrived, without going through the QIODevice functions.
    const QByteArray& body() const { return m_body; }

    void abort() override;
    qint64 bytesAvailable() const override;

    CURL* easyHandle() const { return m_easy; }
    // Called by the session once libcurl has ended the transfer with `result`.
    void complete(CURLcode result);

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    static size_t onBody(char* data, size_t size, size_t count, void* reply);
    static size_t onHeader(char* data, size_t size, size_t count, void* reply);
    void fail(NetworkError code, const QString& text);
    void failForStatus(long status);
    void failForTransfer(CURLcode result);
    void end();

    CurlSession& m_session;
    CURL* m_easy = nullptr;
    qint64 m_maxBytes;
    bool m_tooLarge = false;
    QByteArray m_body;
    qint64 m_readPosition = 0;
    // The reason phrase of the last status line, for error texts.
    QByteArray m_reason;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
