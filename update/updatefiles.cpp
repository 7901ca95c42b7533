#include "updatefiles.h"

#include "globals.h"

#include <QFileInfo>

namespace UpdateFiles {

QString versionDocumentUrl()
{
    return Globals::storageUrl() + QStringLiteral("kelvo.info");
}

QString changelogDocumentUrl()
{
    return Globals::storageUrl() + QStringLiteral("changelog.json");
}

QStringList downloadUrls(const QJsonObject& changelogDocument)
{
    const QJsonObject description = changelogDocument.value(QLatin1String("BhZipper"))
                                        .toObject()
                                        .value(QLatin1String("windows"))
                                        .toObject();
    QStringList urls{Globals::storageUrl() + ARCHIVE_NAME};
    for (const char* key : {"download-url", "download-dll", "extension-dll", "extension2-dll"})
        urls << Globals::storageUrl() + description.value(QLatin1String(key)).toString();
    return urls;
}

QString folder()
{
    return Globals::appDataPath() + QStringLiteral("/bundleUpdate");
}

const QStringList& requiredFiles()
{
    static const QStringList files{ARCHIVE_NAME, EXTRACTOR_NAME, QStringLiteral("Qt5Core.dll"),
                                   QStringLiteral("msvcp140.dll"),
                                   QStringLiteral("vcruntime140.dll")};
    return files;
}

QString firstMissingFile(const QString& folder)
{
    for (const QString& name : requiredFiles()) {
        if (!QFileInfo::exists(folder + QLatin1Char('/') + name))
            return name;
    }
    return QString();
}

} // namespace UpdateFiles
