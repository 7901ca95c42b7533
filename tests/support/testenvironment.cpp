#include "testenvironment.h"

#include "globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

TestEnvironment::TestEnvironment() : m_previousWorkingDirectory(QDir::currentPath())
{
    const QString home = m_root.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(Globals::ORGANISATION_NAME);
    QCoreApplication::setApplicationName(Globals::APPLICATION_NAME);

    const QString work = m_root.filePath(QStringLiteral("work"));
    QDir().mkpath(work);
    QDir::setCurrent(work);
}

TestEnvironment::~TestEnvironment()
{
    QDir::setCurrent(m_previousWorkingDirectory);
}

QString TestEnvironment::appDataPath() const
{
    return Globals::appDataPath();
}

void TestEnvironment::clear() const
{
    QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME).clear();
    QDir(appDataPath()).removeRecursively();
}
