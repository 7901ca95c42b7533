#include "terminationsignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int HANDLED_SIGNALS[] = {SIGINT, SIGTERM};

// The write end for the handler; a plain int is all a signal handler may touch.
volatile sig_atomic_t writeEnd = -1;

bool setHandler(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(signalNumber, &action, nullptr) == 0;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals()
{
    for (int signalNumber : HANDLED_SIGNALS)
        setHandler(signalNumber, SIG_DFL);
    writeEnd = -1;
    for (int fd : m_pipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool TerminationSignals::install()
{
    if (m_notifier || ::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    bool installed = true;
    for (int signalNumber : HANDLED_SIGNALS)
        installed = setHandler(signalNumber, &TerminationSignals::handle) && installed;
    return installed;
}

void TerminationSignals::handle(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (writeEnd >= 0) {
        // A full pipe already holds a signal that has not been read: nothing is lost.
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }
    errno = savedErrno;
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(m_pipe[0], &byte, 1) == 1)
        emit received(byte);
}
