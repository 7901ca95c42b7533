#include "helpsites.h"

#include "globals.h"

#include <QStringList>

namespace HelpSites {

QString pageLanguage(const QString& languageCode)
{
    static const QStringList withPages{"de", "ru", "pl", "cn", "fr", "nl", "it", "es"};
    return withPages.contains(languageCode) ? languageCode : QStringLiteral("en");
}

QString localPath(const QString& pluginName, const QString& languageCode)
{
    const QString code = pageLanguage(languageCode);
    return Globals::appDataPath() + QStringLiteral("/help_sites/") + pluginName + QLatin1Char('/') +
           code + QStringLiteral("/general_") + code + QStringLiteral(".html");
}

} // namespace HelpSites
