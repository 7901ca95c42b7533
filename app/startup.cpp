#include "startup.h"

#include "globals.h"

#include <QCoreApplication>
#include <QSettings>

namespace Startup {

const char* const MESSAGE_PATTERN =
    "\x1b[32m%{time h:mm:ss.zzz} %{if-category}\x1b[32m  %{category}:%{endif} "
    "%{if-debug}\x1b[34m> %{function}%{endif}%{if-warning}\x1b[33m- %{function}%{endif} "
    "%{if-critical}\x1b[31m! %{function}%{endif}%{if-fatal}\x1b[31mx %{function}%{endif}"
    "\x1b[0m %{message}";

StartOptions parseCommandLine(const QStringList& arguments, QSettings& settings)
{
    StartOptions options;
    options.organisationName = Globals::ORGANISATION_NAME;
    options.organisationDomain = Globals::ORGANISATION_DOMAIN;
    options.applicationName = Globals::APPLICATION_NAME;

    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-url")) {
            options.developmentServer = true;
        } else if (argument == QLatin1String("-pavo")) {
            options.organisationName = Globals::ORGANISATION_NAME;
            options.organisationDomain = Globals::ORGANISATION_DOMAIN;
            options.applicationName = Globals::APPLICATION_NAME;
        } else if (argument == QLatin1String("-beta")) {
            options.releaseChannel = 1;
        } else if (argument == QLatin1String("-dev")) {
            options.releaseChannel = 2;
            options.updateHintWanted = false;
            options.skipUpdateHint = true;
        } else if (argument == QLatin1String("-nox")) {
            settings.setValue(Globals::THEME_KEY, true);
        } else if (argument == QLatin1String("-light")) {
            settings.setValue(Globals::THEME_KEY, false);
        }
    }
    settings.sync();
    return options;
}

bool readUpdateHint(bool wanted)
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    settings.beginGroup(Globals::UPDATE_HINT_GROUP);
    const QString versionKey = Globals::versionKey(Globals::VERSION_NUMBER);
    for (const QString& key : settings.childKeys()) {
        if (key == versionKey)
            wanted = settings.value(key).toBool();
    }
    return wanted;
}

void applyOptions(const StartOptions& options)
{
    QCoreApplication::setOrganizationName(options.organisationName);
    QCoreApplication::setOrganizationDomain(options.organisationDomain);
    QCoreApplication::setApplicationName(options.applicationName);
    if (options.developmentServer)
        Globals::useDevelopmentServer();
}

} // namespace Startup
