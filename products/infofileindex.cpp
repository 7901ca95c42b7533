#include "infofileindex.h"

#include "product.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString INFO_SUFFIX = QStringLiteral(".info");

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

bool isNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

QString keyOf(const QString& name, const QString& state)
{
    return name + QLatin1Char('\n') + state;
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
        if (!fileName.contains(INFO_SUFFIX))
            continue;
        const int recordIndex = int(index.m_records.size());
        if (folder.relativeFilePath(path) == fileName)
            index.m_topLevel.insert(fileName, recordIndex);
        index.m_records.append(readRecord(path, fileName));
        index.addVersionReadings(recordIndex);
    }
    return index;
}

// "windplus_2_1_0_release.info" reads as windplus 2.1.0, windplus_2 1.0 and windplus_2_1 0:
// a name may itself end in digits, so every reading is kept and each entry looks up its own
// name. A file of plug-in VentPro or Vent_Pro is never one of Vent's.
void InfoFileIndex::addVersionReadings(int recordIndex)
{
    const QString& fileName = m_records.at(recordIndex).fileName;
    if (!fileName.endsWith(INFO_SUFFIX))
        return;
    QStringList parts = fileName.chopped(INFO_SUFFIX.size()).split(QLatin1Char('_'));
    const QString state = parts.takeLast();
    if (!Product::isStateWord(state))
        return;
    qsizetype firstDigits = parts.size();
    while (firstDigits > 1 && isNumber(parts.at(firstDigits - 1)))
        --firstDigits;
    for (qsizetype split = firstDigits; split < parts.size(); ++split) {
        const QString name = parts.mid(0, split).join(QLatin1Char('_'));
        const QString version = parts.mid(split).join(QLatin1Char('.'));
        m_byNameAndState[keyOf(name, state)].append({recordIndex, version});
    }
}

const InfoFileIndex::Record* InfoFileIndex::topLevelFile(const QString& fileName) const
{
    const auto found = m_topLevel.constFind(fileName);
    return found == m_topLevel.constEnd() ? nullptr : &m_records.at(*found);
}

QList<InfoFileIndex::VersionFile> InfoFileIndex::versionFiles(const QString& name,
                                                              const QString& state) const
{
    QList<VersionFile> files;
    for (const auto& [recordIndex, version] : m_byNameAndState.value(keyOf(name, state)))
        files.append({&m_records.at(recordIndex), version});
    return files;
}
