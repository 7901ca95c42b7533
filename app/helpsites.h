#pragma once

#include <QString>

// The help pages of the plug-ins, downloaded into the data folder, one per language.
namespace HelpSites {

// The help pages exist in German, Russian, Polish, Chinese, French, Dutch, Italian and
// Spanish; every other language gets the English page. `languageCode` is the translator's.
QString pageLanguage(const QString& languageCode);

// <data folder>/help_sites/<plug-in>/<code>/general_<code>.html
QString localPath(const QString& pluginName, const QString& languageCode);

} // namespace HelpSites
