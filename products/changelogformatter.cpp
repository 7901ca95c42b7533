#include "changelogformatter.h"

#include "globals.h"

#include <QJsonArray>
#include <QSettings>

namespace ChangelogFormatter {
namespace {

QString sectionText(const QJsonObject& changelog, const QString& section, const QString& language)
{
    QString text;
    const QJsonArray lines = changelog.value(section).toObject().value(language).toArray();
    for (const QJsonValue& line : lines)
        text += line.toString() + QLatin1Char('\n');
    return text;
}

} // namespace

QString format(const QJsonObject& changelog, const QString& language)
{
    QString result;
    for (const QString& section :
         {QStringLiteral("Fixes"), QStringLiteral("Changes"), QStringLiteral("Features")}) {
        const QString text = sectionText(changelog, section, language);
        if (text.isEmpty())
            continue;
        if (!result.isEmpty())
            result += QStringLiteral("\n\n\n\n");
        result += section + QStringLiteral(": \n\n") + text;
    }
    return result;
}

QString currentLanguage()
{
    const QString language = QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME)
                                 .value(Globals::LANGUAGE_KEY)
                                 .toString();
    return language.isEmpty() ? QStringLiteral("en") : language;
}

} // namespace ChangelogFormatter
