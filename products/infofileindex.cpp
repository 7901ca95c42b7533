#include "infofileindex.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

InfoFileIndex::Record readRecord(const QString& path, const QString& fileName)
{
    InfoFileIndex::Record record;
    record.fileName = fileName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return record;
    record.readable = true;
    const QJsonObject info = QJsonDocument::fromJson(file.readAll()).object();
    record.appId = info.value(QLatin1String("appId")).toString();
    record.version = info.value(QLatin1String("version")).toString();
    record.state = info.value(QLatin1String("state")).toString();
    record.relDate = info.value(QLatin1String("relDate")).toString();
    return record;
}

} // namespace

InfoFileIndex InfoFileIndex::read(const QString& infosFolder)
{
    InfoFileIndex index;
    const QDir folder(infosFolder);
    QDirIterator files(infosFolder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString fileName = files.fileName();
        if (!fileName.contains(QLatin1String(".info")))
            continue;
        if (folder.relativeFilePath(path) == fileName)
            index.m_topLevel.insert(fileName, int(index.m_records.size()));
        index.m_records.append(readRecord(path, fileName));
    }
    return index;
}

const InfoFileIndex::Record* InfoFileIndex::topLevelFile(const QString& fileName) const
{
    const auto found = m_topLevel.constFind(fileName);
    return found == m_topLevel.constEnd() ? nullptr : &m_records.at(*found);
}
