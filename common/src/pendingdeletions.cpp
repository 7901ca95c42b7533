#include "pendingdeletions.h"

#include "globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcPendingDeletions, "quillmark.pendingdeletions")

namespace PendingDeletions {
namespace {

QString keyOf(const QString& libraryFileName)
{
    return Globals::PLUGIN_TO_DELETE_GROUP + QLatin1Char('/') + libraryFileName;
}

QString librariesFolder()
{
    return Globals::appDataPath() + QStringLiteral("/libs");
}

// The settings store can be edited or left over from another installation: only a library
// lying directly in our own "libs" folder may be removed, never a file anywhere else.
bool isOwnLibrary(const QString& path)
{
    const QFileInfo file(QDir::cleanPath(path));
    if (!file.isAbsolute())
        return false;
    const QString folder = QDir(file.absolutePath()).canonicalPath();
    return !folder.isEmpty() && folder == QDir(librariesFolder()).canonicalPath();
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
        if (!QFileInfo::exists(path)) {
            settings.remove(key);
        } else if (!isOwnLibrary(path)) {
            qCWarning(lcPendingDeletions,
                      "Pending deletion \"%s\" dropped: %s is not a library of this application",
                      qUtf8Printable(key), qUtf8Printable(path));
            settings.remove(key);
        } else if (QFile::remove(path)) {
            settings.remove(key);
        }
    }
}

} // namespace PendingDeletions
