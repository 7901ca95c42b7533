#pragma once

#include <QJsonObject>
#include <QString>

// Turns a changelog document into the text the launcher shows: the sections "Fixes",
// "Changes" and "Features" in that order, each with its lines in one language.
namespace ChangelogFormatter {

// `changelog` is the object under the document's "changelog" key.
QString format(const QJsonObject& changelog, const QString& language);

// The language of the changelog: the "translator/language" setting, "en" when unset.
QString currentLanguage();

} // namespace ChangelogFormatter
