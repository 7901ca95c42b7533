#pragma once

#include "commonstrings.h"
#include "kelvostrings.h"
#include "message.h"
#include "xevents.h"

#include <QObject>
#include <QPointer>
#include <QString>

class IPlugin;
class MessageFilterProxyModel;
class MessageListModel;
class QQmlContext;
class StatusLogWriter;
class Translator;

// The one object through which the screens and the QML of a loaded plug-in reach the shell:
// it opens and closes plug-ins, routes status messages to the status log or to a pop-up,
// forwards catalogue, download, update and deletion requests to the managers, and answers
// questions about settings, platform and texts. Many of its signals are emitted by QML and
// received by other QML: it is also the event bus between plug-in views and the main window.
class Kelvo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* languageListModel READ languageListModel NOTIFY languageModelChanged)

public:
    // The view the shell shows instead of a plug-in whose library cannot be loaded.
    static const QString DRIVER_MISSING_VIEW;
    // The plug-in whose deletion waits for the user's confirmation.
    static int pendingDeleteAppId;

    explicit Kelvo(QObject* parent = nullptr);

    // Used by start-up only.
    void setRootContext(QQmlContext* context);
    void setTranslator(Translator* translator);
    // The status lines and the filter through which the screens see them (`messageModel`).
    void createMessageModels();

    // A new list of the languages that have translation files on disk, at every read.
    QObject* languageListModel();

    Q_INVOKABLE int getAppId() const;
    Q_INVOKABLE bool getIsMobile() const { return false; }
    Q_INVOKABLE QString getOS() const { return QStringLiteral("WIN"); }
    Q_INVOKABLE QString getLicenseText(const QString& license) const;
    Q_INVOKABLE QString getLastFilePath() const;
    Q_INVOKABLE void openAssemblyInstructions(const QString& pluginName, bool isKNX);
    // Loads the plug-in and returns the URL of its start-options view.
    Q_INVOKABLE QString getPluginStartOptions(int appId, bool isVireo = false);
    Q_INVOKABLE void quitApplication();
    Q_INVOKABLE bool cancelLoading(bool beforeDelete = false);
    Q_INVOKABLE void exitPlugin();
    // A check the user asks for; it offers a version he put off as well.
    Q_INVOKABLE void checkForKelvoUpdates();
    Q_INVOKABLE void downloadChangelog(int appId);
    Q_INVOKABLE void downloadUpdate();
    Q_INVOKABLE void downloadPlugin(int appId, bool isPluginUpdate);
    Q_INVOKABLE void runUpdate();
    // With `sendMessage` the user is asked first; the confirmation, deletePlugin(0), then
    // deletes the plug-in asked about, whatever appId it passes.
    Q_INVOKABLE void deletePlugin(int appId, bool sendMessage = false);
    Q_INVOKABLE void openForgottenPassword();
    Q_INVOKABLE bool checkCode(const QString& salesCode) const;
    Q_INVOKABLE bool isVireo() const { return false; }
    Q_INVOKABLE void openHelpSite(const QString& pluginName);
    Q_INVOKABLE QString getTranslation(KelvoStrings::Keys key) const;
    Q_INVOKABLE QString getCommonTranslation(CommonStrings::Keys key) const;
    Q_INVOKABLE QString getApplicationName(bool forDisplay) const;
    // The hidden settings typed into the shortcut window.
    Q_INVOKABLE void changeSettings(const QString& newValue);
    Q_INVOKABLE void setShowTooltips(bool value);
    Q_INVOKABLE bool getShowTooltips() const;
    Q_INVOKABLE void setDarkMode(bool value);
    Q_INVOKABLE bool getDarkMode() const;
    Q_INVOKABLE void changeVisibilityOfUpdateHint();
    // "Later" for the offered version: the check at start leaves it (and older ones) out until
    // a newer one appears.
    Q_INVOKABLE void postponeUpdate();

signals:
    void quit();
    void pluginClosed();
    void sendKelvoDetails(int requestingAppId, QString version, bool isUpToDate);
    void injectPlugin(QString qmlPath, bool isVirtual);
    void messageSend(QString messageText, XEvents::MessageTypes messageType,
                     XEvents::MessageActionTypes okAction = XEvents::OK,
                     XEvents::MessageActionTypes cancelAction = XEvents::CANCEL,
                     QString okButtonText = QString());
    void closeDialog();
    void showSplashScreen(bool show = false);
    void enableBackButton(bool enable);
    void showStatusBox(bool show);
    void addNavigationBar(QString qmlPath);
    void addControlPanel(QString qmlPath);
    void openForgottenPasswordPopup(QString customerCode);
    void openFileDialog(bool isSaving, bool isWithLoading, QString filters, bool isPDF = false);
    void openFolderDialog(bool isSavingOnSD);
    void enableCancel(bool enable, int requestingAppId);
    void showHelpSiteButton(QString pluginName);
    void languageModelChanged();
    void startVireo();

public slots:
    // Status lines (types 0 and 1) go to the status box and the log file, types 2 to 5 to
    // the main window's pop-up; anything else is dropped.
    void statusUpdateReceived(const QString& message, XEvents::MessageTypes type,
                              XEvents::MessageActionTypes okAction = XEvents::OK,
                              XEvents::MessageActionTypes cancelAction = XEvents::CANCEL,
                              const QString& okButtonText = QString());
    void receiveKelvoDetails(const QString& availableVersion, bool isUpToDate);
    void downloadFailureOccured(const QString& errorString);

private:
    void logStatus(KelvoStrings::Keys key, const QString& addition = QString());
    void addStatusLine(const QString& text, Message::MessageFlags flag);
    void connectPlugin(IPlugin* plugin);
    void releasePlugin();
    QString languageCode() const;
    QString generateCustomerCode();
    bool isPostponed(const QString& version) const;

    QString m_availableVersion;
    QString m_expectedDigest;
    QString m_customerCode;
    QQmlContext* m_rootContext = nullptr;
    StatusLogWriter* m_statusLog = nullptr;
    MessageListModel* m_messageListModel = nullptr;
    MessageFilterProxyModel* m_messageFilterModel = nullptr;
    Translator* m_translatorRef = nullptr;
    bool m_updateCheckAsked = false;
    // Plug-in objects are never deleted by the shell; the pointer still guards against one
    // that deletes itself.
    QPointer<IPlugin> m_currentPlugin;
};
