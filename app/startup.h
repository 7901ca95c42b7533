#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The steps of the start-up that read the command line and the settings store.
namespace Startup {

struct StartOptions
{
    int releaseChannel = 0;
    bool updateHintWanted = true;
    bool skipUpdateHint = false;
    bool developmentServer = false;
    QString organisationName;
    QString organisationDomain;
    QString applicationName;
};

// Every argument, the program path included, is compared with the option words; unknown
// words are ignored and later options override earlier ones. -nox and -light write the
// theme choice through `settings` at once.
StartOptions parseCommandLine(const QStringList& arguments, QSettings& settings);

// Whether the update hint is still wanted for this version: the stored choice under the
// version key of the "showUpdateHint" group, or `wanted` when there is none.
bool readUpdateHint(bool wanted);

// Names of the application object and the server address chosen on the command line.
void applyOptions(const StartOptions& options);

// Diagnostic output: every line starts green with the time, the level shows in colour.
extern const char* const MESSAGE_PATTERN;

} // namespace Startup
