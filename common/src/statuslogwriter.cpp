#include "statuslogwriter.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStatusLog, "quillmark.statuslog")

const QString StatusLogWriter::FILE_NAME = QStringLiteral("statusLogger.txt");

StatusLogWriter::StatusLogWriter(const QString& filePath, QObject* parent)
    : QObject(parent), m_file(filePath)
{
    // Opening a pipe or a device for writing can wait forever for a reader.
    const QFileInfo existing(filePath);
    if (existing.exists() && !existing.isFile()) {
        reportFailure(QStringLiteral("is not a regular file"));
        return;
    }
    // Unbuffered: every line reaches the file with its own write, so nothing is held back
    // when the session ends abruptly, and a failed line is not retried behind later ones.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text |
                     QIODevice::Unbuffered))
        reportFailure(QStringLiteral("cannot be opened: ") + m_file.errorString());
}

void StatusLogWriter::writeLine(const QString& text)
{
    if (!m_file.isOpen())
        return;
    const QByteArray line = formatLine(QDateTime::currentDateTime(), text).toUtf8() + '\n';
    if (m_file.write(line) != line.size())
        reportFailure(QStringLiteral("cannot be written: ") + m_file.errorString());
}

QString StatusLogWriter::formatLine(const QDateTime& at, const QString& text)
{
    return at.toString(Qt::TextDate) + QStringLiteral(" - ") + text;
}

void StatusLogWriter::reportFailure(const QString& what)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    qCWarning(lcStatusLog, "status log %s %s; status lines are kept in the status box only",
              qUtf8Printable(QFileInfo(m_file.fileName()).absoluteFilePath()),
              qUtf8Printable(what));
}
