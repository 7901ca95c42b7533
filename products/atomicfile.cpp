#include "atomicfile.h"

#include <QDir>
#include <QSaveFile>

namespace AtomicFile {

QString write(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return QString();
    return QStringLiteral("Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace AtomicFile
