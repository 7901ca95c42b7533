#pragma once

#include <QDateTime>
#include <QFile>
#include <QObject>

// The status log file of the running session: emptied when opened, one line per status line,
// each on disk as soon as it is written. The log is a record only: when it cannot be opened or
// written, the session goes on and the diagnostic output says so once.
class StatusLogWriter : public QObject
{
    Q_OBJECT

public:
    // Relative, so the log lies in the working directory.
    static const QString FILE_NAME;

    explicit StatusLogWriter(const QString& filePath = FILE_NAME, QObject* parent = nullptr);

    // Writes `text` exactly as received, stamped with the current local time.
    void writeLine(const QString& text);

    // "Mon Feb 5 14:03:12 2024 - text", without the line end.
    static QString formatLine(const QDateTime& at, const QString& text);

private:
    void reportFailure(const QString& what);

    QFile m_file;
    bool m_failureReported = false;
};
