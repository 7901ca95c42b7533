#include "configurationfile.h"

#include "devicetexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QUrl>

namespace {
// Larger files are no configuration of ours; reading them whole would only cost memory.
constexpr qint64 MAXIMUM_SIZE = 4 * 1024 * 1024;
const QString PLUGIN = QStringLiteral("plugin");
const QString CONFIGURATION = QStringLiteral("configuration");
const QString REPORT = QStringLiteral("reportMetaData");
const QString DEVICE = QStringLiteral("device");
} // namespace

QString ConfigurationFile::localPath(const QString& pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("file:")))
        return QUrl(pathOrUrl).toLocalFile();
    return pathOrUrl;
}

QString ConfigurationFile::write(const QString& path) const
{
    QJsonObject document{
        {PLUGIN, pluginName}, {CONFIGURATION, configuration}, {REPORT, reportMetaData}};
    if (!deviceState.isEmpty())
        document.insert(DEVICE, deviceState);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot create the folder");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(QJsonDocument(document).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return file.errorString();
    return {};
}

QString ConfigurationFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > MAXIMUM_SIZE)
        return QStringLiteral("too large");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return error.errorString();
    const QJsonObject object = document.object();
    if (!object.value(PLUGIN).isString() || !object.value(CONFIGURATION).isObject())
        return QStringLiteral("no plug-in name or configuration");
    pluginName = object.value(PLUGIN).toString();
    configuration = object.value(CONFIGURATION).toObject();
    reportMetaData = object.value(REPORT).toObject();
    deviceState = object.value(DEVICE).toObject();
    return {};
}
