#include "storageresponder.h"

#include "storagepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace {

const QByteArray PLUGIN_NAMES_PATH = "/getPluginNames.php";
const QString PLUGIN_FOLDER = QStringLiteral("storage/kelvo");

QByteArray contentTypeOf(const QString& filePath)
{
    const QString suffix = QFileInfo(filePath).suffix().toLower();
    return suffix == QLatin1String("json") || suffix == QLatin1String("info")
               ? "application/json"
               : "application/octet-stream";
}

} // namespace

StorageResponder::StorageResponder(const QString& rootPath)
    : m_canonicalRoot(QFileInfo(rootPath).canonicalFilePath())
{
}

StorageResponse StorageResponder::respond(const StorageRequest& request) const
{
    if (request.method != "GET" && request.method != "HEAD")
        return StorageResponse::error(405);
    if (request.path() == PLUGIN_NAMES_PATH)
        return pluginNamesResponse();
    return fileResponse(request.path());
}

QStringList StorageResponder::pluginNamesWithTranslations() const
{
    if (m_canonicalRoot.isEmpty())
        return {};
    const QDir plugins(m_canonicalRoot + QLatin1Char('/') + PLUGIN_FOLDER);
    QStringList names;
    for (const QString& name : plugins.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo(plugins.filePath(name + QStringLiteral("/translations"))).isDir())
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

StorageResponse StorageResponder::fileResponse(const QByteArray& encodedPath) const
{
    const std::optional<QStringList> segments = StoragePath::segments(encodedPath);
    if (!segments)
        return StorageResponse::error(400);
    QFile file(StoragePath::locateFile(m_canonicalRoot, *segments));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return StorageResponse::error(404);
    return StorageResponse::file(contentTypeOf(file.fileName()), file.readAll());
}

StorageResponse StorageResponder::pluginNamesResponse() const
{
    const QJsonArray names = QJsonArray::fromStringList(pluginNamesWithTranslations());
    return StorageResponse::file("application/json",
                                 QJsonDocument(names).toJson(QJsonDocument::Compact));
}
