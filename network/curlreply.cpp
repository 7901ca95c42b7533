#include "curlreply.h"

#include "curlsession.h"

#include <QHash>
#include <cstring>

namespace {

// For status lines without a reason phrase, as in HTTP/2.
QByteArray standardReason(long status)
{
    static const QHash<long, QByteArray> reasons{
        {400, "Bad Request"},         {401, "Unauthorized"},          {403, "Forbidden"},
        {404, "Not Found"},           {405, "Method Not Allowed"},    {410, "Gone"},
        {429, "Too Many Requests"},   {500, "Internal Server Error"}, {502, "Bad Gateway"},
        {503, "Service Unavailable"}, {504, "Gateway Timeout"}};
    return reasons.value(status, "HTTP status " + QByteArray::number(status));
}

QNetworkReply::NetworkError errorForStatus(long status)
{
    switch (status) {
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        return status >= 500 ? QNetworkReply::InternalServerError
                             : QNetworkReply::UnknownContentError;
    }
}

bool isTlsFailure(CURLcode result)
{
    switch (result) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CRL_BADFILE:
        return true;
    default:
        return false;
    }
}

bool isCutOff(CURLcode result)
{
    switch (result) {
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return true;
    default:
        return false;
    }
}

} // namespace

CurlReply::CurlReply(CurlSession& session, const QUrl& url, qint64 maxBytes, QObject* parent)
    : QNetworkReply(parent), m_session(session), m_easy(curl_easy_init()), m_maxBytes(maxBytes)
{
    setUrl(url);
    setRequest(QNetworkRequest(url));
    setOperation(QNetworkAccessManager::GetOperation);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);

    const QByteArray encoded = url.toEncoded();
    curl_easy_setopt(m_easy, CURLOPT_URL, encoded.constData());
    curl_easy_setopt(m_easy, CURLOPT_PRIVATE, this);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlReply::onBody);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlReply::onHeader);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    // Straight to the server, whatever proxy the environment names, as before with Qt.
    curl_easy_setopt(m_easy, CURLOPT_PROXY, "");
    // Some hosts and CDNs turn away requests that name no client.
    curl_easy_setopt(m_easy, CURLOPT_USERAGENT, "Quillmark");
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirects are followed, but never from https down to plain http.
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, 50L);
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR,
                     url.scheme() == QLatin1String("https") ? "https" : "http,https");
    // Waits for a connection that can carry several transfers rather than opening more.
    curl_easy_setopt(m_easy, CURLOPT_PIPEWAIT, 1L);
    m_session.start(this);
}

CurlReply::~CurlReply()
{
    m_session.stop(this);
    curl_easy_cleanup(m_easy);
}

void CurlReply::abort()
{
    if (isFinished())
        return;
    m_session.stop(this);
    fail(OperationCanceledError, QStringLiteral("Operation canceled"));
    end();
}

qint64 CurlReply::bytesAvailable() const
{
    return m_body.size() - m_readPosition + QNetworkReply::bytesAvailable();
}

qint64 CurlReply::readData(char* data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, m_body.size() - m_readPosition);
    if (count <= 0)
        return isFinished() ? -1 : 0;
    memcpy(data, m_body.constData() + m_readPosition, size_t(count));
    m_readPosition += count;
    return count;
}

void CurlReply::complete(CURLcode result)
{
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    if (status > 0)
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, int(status));
    const char* effectiveUrl = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &effectiveUrl);
    if (effectiveUrl && url().toEncoded() != effectiveUrl)
        setUrl(QUrl::fromEncoded(effectiveUrl));

    if (m_tooLarge)
        fail(UnknownContentError,
             QStringLiteral("The reply is larger than the limit of %1 bytes").arg(m_maxBytes));
    else if (result != CURLE_OK)
        failForTransfer(result);
    else if (status >= 400)
        failForStatus(status);
    end();
}

void CurlReply::fail(NetworkError code, const QString& text)
{
    setError(code, text);
    emit errorOccurred(code);
}

void CurlReply::failForStatus(long status)
{
    const QByteArray reason = m_reason.isEmpty() ? standardReason(status) : m_reason;
    fail(errorForStatus(status), QStringLiteral("Error transferring %1 - server replied: %2")
                                     .arg(url().toString(), QString::fromLatin1(reason)));
}

void CurlReply::failForTransfer(CURLcode result)
{
    const QString detail =
        QString::fromLocal8Bit(*m_errorBuffer ? m_errorBuffer : curl_easy_strerror(result));
    if (isTlsFailure(result))
        fail(SslHandshakeFailedError,
             QStringLiteral("TLS handshake with %1 failed: %2").arg(url().host(), detail));
    else if (isCutOff(result))
        fail(RemoteHostClosedError,
             QStringLiteral("The connection was closed before the whole reply arrived (%1)")
                 .arg(detail));
    else if (result == CURLE_COULDNT_CONNECT)
        fail(ConnectionRefusedError, detail);
    else if (result == CURLE_COULDNT_RESOLVE_HOST)
        fail(HostNotFoundError, detail);
    else if (result == CURLE_TOO_MANY_REDIRECTS)
        fail(TooManyRedirectsError, detail);
    else if (result == CURLE_UNSUPPORTED_PROTOCOL || result == CURLE_URL_MALFORMAT)
        fail(ProtocolUnknownError, detail);
    else
        fail(UnknownNetworkError, detail);
}

void CurlReply::end()
{
    setFinished(true);
    emit finished();
}

size_t CurlReply::onBody(char* data, size_t size, size_t count, void* reply)
{
    auto* self = static_cast<CurlReply*>(reply);
    const qint64 bytes = qint64(size * count);
    if (self->m_body.isEmpty()) {
        curl_off_t announced = -1;
        curl_easy_getinfo(self->m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > self->m_maxBytes)
            self->m_tooLarge = true;
        else if (announced > 0)
            self->m_body.reserve(qsizetype(announced));
    }
    if (self->m_tooLarge || self->m_body.size() + bytes > self->m_maxBytes) {
        self->m_tooLarge = true;
        return 0;
    }
    self->m_body.append(data, qsizetype(bytes));
    return size_t(bytes);
}

// Keeps the reason phrase of each status line; redirects bring several.
size_t CurlReply::onHeader(char* data, size_t size, size_t count, void* reply)
{
    const size_t bytes = size * count;
    const QByteArray line = QByteArray::fromRawData(data, qsizetype(bytes));
    if (line.startsWith("HTTP/")) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        static_cast<CurlReply*>(reply)->m_reason =
            parts.size() > 2 ? parts.mid(2).join(' ') : QByteArray();
    }
    return bytes;
}
