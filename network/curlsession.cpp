#include "curlsession.h"

#include "curlreply.h"
#include "trustedauthorities.h"

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <functional>
#include <mutex>

namespace {

// The sockets libcurl asks the session to watch, one object per socket.
class SocketWatch : public QObject
{
public:
    SocketWatch(curl_socket_t socket, std::function<void(int)> act, QObject* parent)
        : QObject(parent), m_socket(socket), m_act(std::move(act))
    {
    }

    void watch(int what)
    {
        enable(m_read, QSocketNotifier::Read, CURL_CSELECT_IN, what & CURL_POLL_IN);
        enable(m_write, QSocketNotifier::Write, CURL_CSELECT_OUT, what & CURL_POLL_OUT);
    }

    // libcurl may close the socket right after this, and its number may be reused at once:
    // the notifiers stop watching now and are freed later.
    void release()
    {
        watch(0);
        deleteLater();
    }

private:
    void enable(QSocketNotifier*& notifier, QSocketNotifier::Type type, int event, bool on)
    {
        if (!notifier && !on)
            return;
        if (!notifier) {
            notifier = new QSocketNotifier(m_socket, type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, event] { m_act(event); });
        }
        notifier->setEnabled(on);
    }

    curl_socket_t m_socket;
    std::function<void(int)> m_act;
    QSocketNotifier* m_read = nullptr;
    QSocketNotifier* m_write = nullptr;
};

} // namespace

QString CurlSession::extraCaFile()
{
    const QString configured = qEnvironmentVariable("QUILLMARK_CA_FILE");
    return configured.isEmpty() ? QStringLiteral(QUILLMARK_CA_FILE) : configured;
}

CurlSession::CurlSession(QObject* parent)
    : QObject(parent), m_extraCaFile(QFile::encodeName(extraCaFile()))
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlSession::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlSession::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_MAX_HOST_CONNECTIONS, 6L);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlSession::~CurlSession()
{
    curl_multi_cleanup(m_multi);
}

void CurlSession::start(CurlReply* reply)
{
    if (m_running.size() >= MAX_RUNNING) {
        m_waiting.append(reply);
        return;
    }
    TrustedAuthorities::use(reply->easyHandle(), m_extraCaFile);
    m_running.insert(reply->easyHandle());
    curl_multi_add_handle(m_multi, reply->easyHandle());
}

void CurlSession::stop(CurlReply* reply)
{
    if (!m_waiting.removeOne(reply))
        ended(reply->easyHandle());
}

// Takes a transfer out of libcurl, if it was in, and starts the next waiting one.
void CurlSession::ended(CURL* easy)
{
    if (!m_running.remove(easy))
        return;
    curl_multi_remove_handle(m_multi, easy);
    if (!m_waiting.isEmpty())
        start(m_waiting.takeFirst());
}

int CurlSession::onSocket(CURL*, curl_socket_t socket, int what, void* session, void* watch)
{
    auto* self = static_cast<CurlSession*>(session);
    auto* socketWatch = static_cast<SocketWatch*>(watch);
    if (what == CURL_POLL_REMOVE) {
        if (socketWatch)
            socketWatch->release();
        curl_multi_assign(self->m_multi, socket, nullptr);
        return 0;
    }
    if (!socketWatch) {
        socketWatch = new SocketWatch(
            socket, [self, socket](int event) { self->act(socket, event); }, self);
        curl_multi_assign(self->m_multi, socket, socketWatch);
    }
    socketWatch->watch(what);
    return 0;
}

int CurlSession::onTimer(CURLM*, long milliseconds, void* session)
{
    auto* self = static_cast<CurlSession*>(session);
    if (milliseconds < 0)
        self->m_deadline.stop();
    else
        self->m_deadline.start(int(milliseconds));
    return 0;
}

void CurlSession::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    finishTransfers();
}

// A reply's finished() may lead anywhere: into a nested event loop that acts again, so each
// ended transfer is taken out of libcurl before its reply hears of it, or to the end of the
// session itself.
void CurlSession::finishTransfers()
{
    const QPointer<CurlSession> alive(this);
    int left = 0;
    while (alive) {
        CURLMsg* message = curl_multi_info_read(m_multi, &left);
        if (!message)
            return;
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL* easy = message->easy_handle;
        const CURLcode result = message->data.result;
        CurlReply* reply = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &reply);
        ended(easy);
        reply->complete(result);
    }
}
