#pragma once

#include "product.h"

#include <QString>

// Every server URL and every local path of the plug-in storage is built here. Names and
// versions handed in must have passed NameCheck; the local folders are created on demand.
namespace StorageLayout {

// The two kinds of additional files that each plug-in brings along.
enum class FileKind { Firmware, AssemblyInstructions };

// "firmwares" or "assembly_instructions": the server sub-folder and the local folder.
QString folderWord(FileKind kind);
// "" for RELEASE, "_beta" for BETA, "_dev" for DEV.
QString channelSuffix(Product::ReleaseState channel);
// N + channel suffix + ".dll", the library file name on the server and on disk.
QString libraryFileName(const QString& name, Product::ReleaseState channel);
// N + "_" + V + "_" + w + ".info", the info file of an installed version.
QString infoFileName(const QString& name, const QString& version, const QString& stateWord);

QString catalogueUrl();
// F, the version folder of a plug-in version, ending in "/".
QString versionFolderUrl(const QString& name, const QString& version, const QString& stateWord);
// S + N + "/" + folder word + "/", where a plug-in's additional files of that kind lie.
QString kindFolderUrl(const QString& name, FileKind kind);
QString changelogUrl(const QString& name, const QString& version, const QString& stateWord);
QString libraryUrl(const QString& name, const QString& version, const QString& stateWord,
                   Product::ReleaseState channel);
QString libraryInfoUrl(const QString& name, const QString& version, const QString& stateWord);
QString fileListUrl(const QString& name, FileKind kind);
QString fileUrl(const QString& folderName, FileKind kind, const QString& fileName);

// The stored catalogue copy, directly in the data folder.
QString cataloguePath();
QString infosFolder();
QString infoFilePath(const QString& infoFileName);
QString libsFolder();
QString libraryPath(const QString& name, Product::ReleaseState channel);
QString kindFolder(FileKind kind);
QString pluginFileFolder(FileKind kind, const QString& folderName);

} // namespace StorageLayout
