#include "globals.h"

#include <QDir>
#include <QStandardPaths>

namespace Globals {
namespace {

QString withTrailingSlash(QString url)
{
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

QString defaultServerBaseUrl()
{
    const QString fromEnvironment = qEnvironmentVariable("QUILLMARK_SERVER_URL");
    return withTrailingSlash(fromEnvironment.isEmpty() ? QStringLiteral(QUILLMARK_SERVER_URL)
                                                       : fromEnvironment);
}

QString& currentServerBaseUrl()
{
    static QString url = defaultServerBaseUrl();
    return url;
}

} // namespace

QString versionKey(const QString& version)
{
    return QString(version).replace(QLatin1Char('.'), QLatin1Char('_'));
}

QString serverBaseUrl()
{
    return currentServerBaseUrl();
}

void useDevelopmentServer()
{
    currentServerBaseUrl() = withTrailingSlash(QStringLiteral(QUILLMARK_DEV_SERVER_URL));
}

QString storageUrl()
{
    return serverBaseUrl() + QStringLiteral("storage/kelvo/");
}

QString appDataPath()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(path);
    return path;
}

} // namespace Globals
