#include "infofileindex.h"

#include "namecheck.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <numeric>

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

} // namespace

InfoFileIndex InfoFileIndex::read(const QString& infosFolder)
{
    InfoFileIndex index;
    const QString topLevelPrefix =
        infosFolder.endsWith(QLatin1Char('/')) ? infosFolder : infosFolder + QLatin1Char('/');
    QDirIterator files(infosFolder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString fileName = files.fileName();
        if (!fileName.contains(INFO_SUFFIX))
            continue;
        const int recordIndex = int(index.m_records.size());
        if (path.size() == topLevelPrefix.size() + fileName.size() &&
            path.startsWith(topLevelPrefix))
            index.m_topLevel.insert(fileName, recordIndex);
        index.m_records.append(readRecord(path, fileName));
    }
    index.m_byFileName.resize(index.m_records.size());
    std::iota(index.m_byFileName.begin(), index.m_byFileName.end(), 0);
    std::sort(index.m_byFileName.begin(), index.m_byFileName.end(), [&index](int a, int b) {
        return index.m_records.at(a).fileName < index.m_records.at(b).fileName;
    });
    return index;
}

const InfoFileIndex::Record* InfoFileIndex::topLevelFile(const QString& fileName) const
{
    const auto found = m_topLevel.constFind(fileName);
    return found == m_topLevel.constEnd() ? nullptr : &m_records.at(*found);
}

// Only N + "_" + version + "_" + state + ".info" counts, so the files of plug-ins VentPro
// and Vent_Pro are never taken for versions of Vent.
QList<InfoFileIndex::VersionFile> InfoFileIndex::versionFiles(const QString& name,
                                                              const QString& state) const
{
    const QString prefix = name + QLatin1Char('_');
    const QString suffix = QLatin1Char('_') + state + INFO_SUFFIX;
    auto candidate = std::lower_bound(
        m_byFileName.begin(), m_byFileName.end(), prefix,
        [this](int record, const QString& text) { return m_records.at(record).fileName < text; });

    QList<std::pair<int, QString>> matches;
    for (; candidate != m_byFileName.end(); ++candidate) {
        const QString& fileName = m_records.at(*candidate).fileName;
        if (!fileName.startsWith(prefix))
            break;
        if (!fileName.endsWith(suffix) || fileName.size() <= prefix.size() + suffix.size())
            continue;
        QString version =
            fileName.mid(prefix.size(), fileName.size() - prefix.size() - suffix.size());
        version.replace(QLatin1Char('_'), QLatin1Char('.'));
        // A version starts with its number: "Vent_Pro_1_0_0_release.info" is Vent_Pro's.
        if (!version.front().isDigit() || !NameCheck::isVersionName(version))
            continue;
        matches.append({*candidate, version});
    }
    // Later files may overrule earlier ones: keep directory iteration order.
    std::sort(matches.begin(), matches.end());
    QList<VersionFile> files;
    for (const auto& [record, version] : std::as_const(matches))
        files.append({&m_records.at(record), version});
    return files;
}
