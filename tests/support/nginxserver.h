#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// nginx serving a storage tree over HTTPS with HTTP/2 on a free port of 127.0.0.1, started
// through scripts/serve-nginx.sh with its configuration, certificates and logs in a temporary
// prefix, and stopped when this object goes. The certificates come from one test authority per
// process (authorityFile()), which the shell must be told about before its first request.
class NginxServer
{
public:
    NginxServer() = default;
    ~NginxServer();

    // Empty when nginx can serve here, else why not.
    static QString unavailableReason();
    // The PEM file of the test authority, made on first use; empty if it cannot be made.
    static QString authorityFile();

    // Serves `root` (the folder holding storage/) presenting the certificate `certificate` of
    // scripts/make-test-ca.sh: "server", "expired", "wronghost" or "untrusted".
    bool start(const QString& root, const QString& certificate = QStringLiteral("server"));
    // Serves the same tree on the same port again, now with `certificate`: the program's server
    // address, read once, stays the same.
    bool restart(const QString& certificate);
    void stop();

    // "https://localhost:<port>/"
    QString baseUrl() const;
    QString errorText() const { return m_error; }
    // The requests served so far, one line each: client, request line, status, bytes, protocol.
    QStringList accessLog() const;

private:
    bool run(const QString& certificate);
    bool waitUntilListening();

    QTemporaryDir m_prefix;
    QProcess m_process;
    QString m_root;
    quint16 m_port = 0;
    QString m_error;
};
