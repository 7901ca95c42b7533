#pragma once

#include <QProcess>
#include <QString>

// The project's storage server, run as a child process on a free loopback port for as long
// as this object lives.
class StorageServerProcess
{
public:
    // The server binary: `explicitPath` when given, else bin/ of QUILLMARK_BUILD_DIR, else
    // the bin folder beside this program's folder.
    static QString locate(const QString& explicitPath);

    ~StorageServerProcess();

    // Starts the server on `root` and waits until it accepts connections.
    bool start(const QString& binary, const QString& root);
    QString baseUrl() const;
    QString errorText() const { return m_error; }

private:
    bool waitUntilListening();

    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
