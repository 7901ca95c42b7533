#include "storagelayout.h"

#include "globals.h"

#include <QDir>

namespace StorageLayout {
namespace {

const QString CATALOGUE_FILE_NAME = QStringLiteral("plugins.info");
const QString LIBRARY_SUFFIX = QStringLiteral(".dll");

QString createdFolder(const QString& path)
{
    QDir().mkpath(path);
    return path;
}

} // namespace

// Plug-in names and versions are joined by plain concatenation, as the server lays them out.
QString versionFolderUrl(const QString& name, const QString& version, const QString& stateWord)
{
    return Globals::storageUrl() + name + QLatin1Char('/') + Globals::versionKey(version) +
           QLatin1Char('_') + stateWord + QLatin1Char('/');
}

QString kindFolderUrl(const QString& name, FileKind kind)
{
    return Globals::storageUrl() + name + QLatin1Char('/') + folderWord(kind) + QLatin1Char('/');
}

QString folderWord(FileKind kind)
{
    return kind == FileKind::Firmware ? QStringLiteral("firmwares")
                                      : QStringLiteral("assembly_instructions");
}

QString channelSuffix(Product::ReleaseState channel)
{
    return channel == Product::RELEASE ? QString() : QLatin1Char('_') + Product::stateWord(channel);
}

QString libraryFileName(const QString& name, Product::ReleaseState channel)
{
    return name + channelSuffix(channel) + LIBRARY_SUFFIX;
}

QString infoFileName(const QString& name, const QString& version, const QString& stateWord)
{
    return name + QLatin1Char('_') + Globals::versionKey(version) + QLatin1Char('_') + stateWord +
           QStringLiteral(".info");
}

QString catalogueUrl()
{
    return Globals::storageUrl() + CATALOGUE_FILE_NAME;
}

QString changelogUrl(const QString& name, const QString& version, const QString& stateWord)
{
    return versionFolderUrl(name, version, stateWord) + name + QLatin1Char('_') +
           Globals::versionKey(version) + QStringLiteral(".json");
}

QString libraryUrl(const QString& name, const QString& version, const QString& stateWord,
                   Product::ReleaseState channel)
{
    return versionFolderUrl(name, version, stateWord) + QStringLiteral("libs/") +
           libraryFileName(name, channel);
}

QString libraryInfoUrl(const QString& name, const QString& version, const QString& stateWord)
{
    return versionFolderUrl(name, version, stateWord) + name + QStringLiteral(".info");
}

QString fileListUrl(const QString& name, FileKind kind)
{
    return Globals::storageUrl() + name +
           (kind == FileKind::Firmware ? Globals::FIRMWARE_INFO_PATH
                                       : Globals::ASSEMBLY_INSTRUCTIONS_INFO_PATH);
}

QString fileUrl(const QString& folderName, FileKind kind, const QString& fileName)
{
    return Globals::storageUrl() + folderName + QLatin1Char('/') + folderWord(kind) +
           QLatin1Char('/') + fileName;
}

QString cataloguePath()
{
    return QStringLiteral("%1/%2").arg(Globals::appDataPath(), CATALOGUE_FILE_NAME);
}

QString infosFolder()
{
    return createdFolder(Globals::appDataPath() + QStringLiteral("/infos/"));
}

QString infoFilePath(const QString& infoFileName)
{
    return infosFolder() + infoFileName;
}

QString libsFolder()
{
    return createdFolder(Globals::appDataPath() + QStringLiteral("/libs/"));
}

QString libraryPath(const QString& name, Product::ReleaseState channel)
{
    return libsFolder() + libraryFileName(name, channel);
}

QString kindFolder(FileKind kind)
{
    return createdFolder(Globals::appDataPath() + QLatin1Char('/') + folderWord(kind) +
                         QLatin1Char('/'));
}

QString pluginFileFolder(FileKind kind, const QString& folderName)
{
    return createdFolder(kindFolder(kind) + folderName + QLatin1Char('/'));
}

} // namespace StorageLayout
