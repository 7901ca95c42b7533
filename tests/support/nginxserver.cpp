#include "nginxserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr int START_LIMIT_MS = 15000;
const QString SCRIPTS = QStringLiteral(QUILLMARK_SCRIPTS_DIR);

// The system folders too, where nginx lives but an ordinary user's PATH may not reach.
QStringList searchPath()
{
    return qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts)
           << QStringLiteral("/usr/sbin") << QStringLiteral("/sbin");
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// One authority for the whole process; the files live as long as the process.
QTemporaryDir& authorityFolder()
{
    static QTemporaryDir folder;
    return folder;
}

} // namespace

NginxServer::~NginxServer()
{
    stop();
}

QString NginxServer::unavailableReason()
{
    if (QStandardPaths::findExecutable(QStringLiteral("nginx"), searchPath()).isEmpty())
        return QStringLiteral("nginx is not installed (Debian package nginx-light)");
    if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
        return QStringLiteral("openssl is not installed; no test certificates can be made");
    return QString();
}

QString NginxServer::authorityFile()
{
    static const QString file = [] {
        QProcess make;
        make.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        make.start(SCRIPTS + QStringLiteral("/make-test-ca.sh"), {authorityFolder().path()});
        if (!make.waitForFinished(60000) || make.exitCode() != 0)
            return QString();
        return authorityFolder().filePath(QStringLiteral("ca.pem"));
    }();
    return file;
}

bool NginxServer::start(const QString& root, const QString& certificate)
{
    m_root = root;
    m_port = freePort();
    return run(certificate);
}

bool NginxServer::restart(const QString& certificate)
{
    stop();
    return run(certificate);
}

bool NginxServer::run(const QString& certificate)
{
    if (authorityFile().isEmpty()) {
        m_error = QStringLiteral("the test authority could not be made");
        return false;
    }
    // The script makes no authority of its own when it finds one in the prefix.
    QDir().mkpath(m_prefix.filePath(QStringLiteral("ca")));
    for (const QString& file : QDir(authorityFolder().path()).entryList(QDir::Files))
        QFile::copy(authorityFolder().filePath(file),
                    m_prefix.filePath(QStringLiteral("ca/") + file));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), searchPath().join(QLatin1Char(':')));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(SCRIPTS + QStringLiteral("/serve-nginx.sh"),
                    {QStringLiteral("--root"), m_root, QStringLiteral("--port"),
                     QString::number(m_port), QStringLiteral("--prefix"), m_prefix.path(),
                     QStringLiteral("--certificate"), certificate});
    if (!m_process.waitForStarted()) {
        m_error = QStringLiteral("cannot start serve-nginx.sh: %1").arg(m_process.errorString());
        return false;
    }
    return waitUntilListening();
}

// nginx leaves its workers to the master, which ends them on SIGTERM.
void NginxServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString NginxServer::baseUrl() const
{
    return QStringLiteral("https://localhost:%1/").arg(m_port);
}

QStringList NginxServer::accessLog() const
{
    QFile log(m_prefix.filePath(QStringLiteral("access.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool NginxServer::waitUntilListening()
{
    const QDeadlineTimer deadline(START_LIMIT_MS);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("nginx stopped at start (exit code %1); see %2")
                          .arg(m_process.exitCode())
                          .arg(m_prefix.filePath(QStringLiteral("error.log")));
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(50);
    }
    m_error = QStringLiteral("nginx did not listen on port %1 within %2 ms")
                  .arg(m_port)
                  .arg(START_LIMIT_MS);
    return false;
}
