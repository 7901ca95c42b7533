#include "pendingdeletions.h"

#include "globals.h"

#include <QFile>
#include <QSettings>

namespace PendingDeletions {
namespace {

QString keyOf(const QString& libraryFileName)
{
    return Globals::PLUGIN_TO_DELETE_GROUP + QLatin1Char('/') + libraryFileName;
}

} // namespace

void schedule(const QString& libraryFileName, const QString& libraryPath)
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    settings.setValue(keyOf(libraryFileName), libraryPath);
}

void cancel(const QString& libraryFileName)
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    settings.remove(keyOf(libraryFileName));
}

void sweep()
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    settings.beginGroup(Globals::PLUGIN_TO_DELETE_GROUP);
    for (const QString& key : settings.childKeys()) {
        const QString path = settings.value(key).toString();
        if (path.isEmpty())
            continue;
        if (!QFile::exists(path) || QFile::remove(path))
            settings.remove(key);
    }
}

} // namespace PendingDeletions
