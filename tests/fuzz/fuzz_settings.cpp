// The settings store as the start-up reads it: language, theme, tooltips, the update hint and
// the pending deletions. The input is the settings file; "@HOME@" and "@DATA@" in it stand
// for the temporary home and the application data folder, so that the seeds can name real
// files. Whatever the store says, the sweep
// removes nothing but libraries in the application's own "libs" folder.
#include "changelogformatter.h"
#include "fuzzsupport.h"
#include "globals.h"
#include "pendingdeletions.h"
#include "startup.h"
#include "translator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QSettings>

FUZZ_HARNESS_START

namespace {

// Files the store may name but the sweep must never remove, whatever path leads to them.
QStringList strangers()
{
    const QString home = FuzzSupport::homeFolder();
    return {home + QStringLiteral("/stranger.dll"), home + QStringLiteral("/libs/stranger.dll"),
            Globals::appDataPath() + QStringLiteral("/stranger.dll"),
            Globals::appDataPath() + QStringLiteral("/libsx/stranger.dll")};
}

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("library");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString settingsPath =
        QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME).fileName();
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    QByteArray content = FuzzSupport::bytes(data, size);
    content.replace("@HOME@", QFile::encodeName(FuzzSupport::homeFolder()));
    content.replace("@DATA@", QFile::encodeName(Globals::appDataPath()));
    {
        QFile file(settingsPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(content);
    }
    for (const QString& path : strangers())
        touch(path);
    touch(Globals::appDataPath() + QStringLiteral("/libs/Vent.dll"));

    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    const Translator::Type language = Translator::initialLanguage(
        settings.value(Globals::LANGUAGE_KEY).toString(), QStringLiteral("de_DE"));
    FUZZ_CHECK(QMetaEnum::fromType<Translator::Type>().valueToKey(language),
               QString::number(language));
    (void)settings.value(Globals::THEME_KEY, false).toBool();
    (void)settings.value(Globals::SHOW_TOOLTIPS_KEY, true).toBool();
    (void)ChangelogFormatter::currentLanguage();
    (void)Startup::readUpdateHint(true);
    PendingDeletions::sweep();
    for (const QString& path : strangers())
        FUZZ_CHECK(QFileInfo::exists(path), path + QStringLiteral(" was removed"));
    return 0;
}
