#include "storageserverprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

const QString SERVER_NAME = QStringLiteral("quillmark-storage-server");
constexpr int START_LIMIT_MS = 10000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

QString StorageServerProcess::locate(const QString& explicitPath)
{
    if (!explicitPath.isEmpty())
        return explicitPath;
    const QString buildDir = qEnvironmentVariable("QUILLMARK_BUILD_DIR");
    const QString binFolder =
        buildDir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")
                           : buildDir + QStringLiteral("/bin");
    return QDir::cleanPath(binFolder + QLatin1Char('/') + SERVER_NAME);
}

StorageServerProcess::~StorageServerProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

bool StorageServerProcess::start(const QString& binary, const QString& root)
{
    m_port = freePort();
    // The server logs every request; the bench has no use for those lines.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(binary, {QStringLiteral("--root"), root, QStringLiteral("--address"),
                             QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                             QString::number(m_port)});
    if (!m_process.waitForStarted()) {
        m_error = QStringLiteral("cannot start %1: %2").arg(binary, m_process.errorString());
        return false;
    }
    return waitUntilListening();
}

QString StorageServerProcess::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

bool StorageServerProcess::waitUntilListening()
{
    const QDeadlineTimer deadline(START_LIMIT_MS);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("the storage server stopped at start: %1")
                          .arg(QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed());
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    m_error = QStringLiteral("the storage server did not listen on port %1 within %2 ms")
                  .arg(m_port)
                  .arg(START_LIMIT_MS);
    return false;
}
