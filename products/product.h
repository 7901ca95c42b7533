#pragma once

#include <QObject>
#include <QString>

// One plug-in as the launcher shows it: its identity from the catalogue, the installed (or
// offered) version, a newer version when one exists, its changelog and its installation state.
class Product : public QObject
{
    Q_OBJECT

public:
    // The values are written into file and URL names through their lower-case key.
    enum ReleaseState { RELEASE = 0, BETA = 1, DEV = 2 };
    Q_ENUM(ReleaseState)

    // The numbers travel to the launcher as the button state; the gaps stay unused.
    enum InstallationState {
        NOT_INSTALLED = 0,
        NOT_INSTALLED_CHANGELOG = 4,
        INSTALLED = 5,
        INSTALLED_UPDATEABLE = 8,
        INSTALLED_UPDATEABLE_CHANGELOG = 10,
        INSTALLED_STARTOPTIONS = 11,
        INSTALLED_DELETED = 12
    };
    Q_ENUM(InstallationState)

    Product() = default;

    // "release", "beta" or "dev": the word of `state` in catalogue entries, file and folder names.
    static QString stateWord(ReleaseState state);
    // Whether `word` is one of the three state words (exact, case-sensitive).
    static bool isStateWord(const QString& word);

    int appId() const { return m_appId; }
    void setAppId(int appId) { m_appId = appId; }
    QString installedVersion() const { return m_installedVersion; }
    void setInstalledVersion(const QString& version) { m_installedVersion = version; }
    QString availableVersion() const { return m_availableVersion; }
    void setAvailableVersion(const QString& version) { m_availableVersion = version; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    QString changelog() const { return m_changelog; }
    void setChangelog(const QString& changelog) { m_changelog = changelog; }
    QString releaseDate() const { return m_releaseDate; }
    void setReleaseDate(const QString& date) { m_releaseDate = date; }
    ReleaseState releaseState() const { return m_releaseState; }
    // Takes the state from a state word; any other text leaves it unchanged and gives false.
    bool setReleaseState(const QString& state);
    InstallationState installationState() const { return m_installationState; }
    void setInstallationState(InstallationState state) { m_installationState = state; }

private:
    int m_appId = 0;
    QString m_installedVersion;
    QString m_availableVersion;
    QString m_name;
    QString m_changelog;
    QString m_releaseDate;
    ReleaseState m_releaseState = RELEASE;
    InstallationState m_installationState = NOT_INSTALLED;
};
