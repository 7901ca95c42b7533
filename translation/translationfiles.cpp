#include "translationfiles.h"

#include "atomicfile.h"
#include "globals.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace TranslationFiles {
namespace {

const QString SUFFIX = QStringLiteral(".qm");

} // namespace

QString folder()
{
    return Globals::appDataPath() + QStringLiteral("/translations/");
}

QString languageCodeOf(const QString& fileName)
{
    if (!fileName.endsWith(SUFFIX, Qt::CaseInsensitive))
        return {};
    const QString baseName = fileName.chopped(SUFFIX.size());
    const qsizetype separator = baseName.lastIndexOf(QLatin1Char('_'));
    return separator < 0 ? QString() : baseName.mid(separator + 1);
}

QStringList filesOnDisk()
{
    QStringList paths;
    QDirIterator it(folder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file = it.nextFileInfo();
        if (file.fileName().endsWith(SUFFIX, Qt::CaseInsensitive))
            paths << file.absoluteFilePath();
    }
    return paths;
}

bool isMissingFileReply(const QByteArray& reply)
{
    return reply.isEmpty() || reply.contains("404 Not Found");
}

QString save(const QString& fileName, const QByteArray& content)
{
    QDir().mkpath(folder());
    return AtomicFile::write(folder() + fileName, content);
}

} // namespace TranslationFiles
