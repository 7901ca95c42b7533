#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole: the new content appears only once it has been written
// completely, and a failed write leaves the previous file untouched.
namespace AtomicFile {

// Returns an empty text on success, otherwise a clear description naming the path.
QString write(const QString& path, const QByteArray& content);

} // namespace AtomicFile
