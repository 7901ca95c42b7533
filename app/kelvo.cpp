#include "kelvo.h"

#include "assemblyinstructions.h"
#include "bundlemanager.h"
#include "commonstringmanager.h"
#include "globals.h"
#include "helpsites.h"
#include "iplugin.h"
#include "kelvostringmanager.h"
#include "languagelistmodel.h"
#include "licensetexts.h"
#include "messagefilterproxymodel.h"
#include "messagelistmodel.h"
#include "namecheck.h"
#include "passwordcodes.h"
#include "pendingdeletions.h"
#include "productmanager.h"
#include "statuslogwriter.h"
#include "translator.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QQmlContext>
#include <QSettings>
#include <QUrl>
#include <QVersionNumber>
#include <QtQml>
#include <utility>

const QString Kelvo::DRIVER_MISSING_VIEW = QStringLiteral("qrc:/assets/kelvo/DriverMissing.qml");
int Kelvo::pendingDeleteAppId = 0;

namespace {

QSettings shellSettings()
{
    return QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
}

void openLocalFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

Kelvo::Kelvo(QObject* parent) : QObject(parent)
{
    KelvoStringManager::instance()->initialize();
    CommonStringManager::instance()->initialize();
    qRegisterMetaType<Message::MessageFlags>("MessageFlags");
    qmlRegisterType<Message>("MessageFlags", 1, 0, "MessageFlags");
    qmlRegisterType<CommonStrings>("CommonStringKeys", 1, 0, "CommonStringKeys");
    m_statusLog = new StatusLogWriter(StatusLogWriter::FILE_NAME, this);
}

void Kelvo::setRootContext(QQmlContext* context)
{
    m_rootContext = context;
}

void Kelvo::setTranslator(Translator* translator)
{
    m_translatorRef = translator;
}

void Kelvo::createMessageModels()
{
    m_messageListModel = new MessageListModel(this);
    m_messageFilterModel = new MessageFilterProxyModel(this);
    m_messageFilterModel->setSourceModel(m_messageListModel);
    connect(m_messageListModel, &MessageListModel::dataUpdated, m_messageFilterModel,
            &MessageFilterProxyModel::dataUpdated, Qt::UniqueConnection);
    if (m_rootContext)
        m_rootContext->setContextProperty(QStringLiteral("messageModel"), m_messageFilterModel);
}

QObject* Kelvo::languageListModel()
{
    // Owned by the controller, so that the models handed out are freed with it.
    return new LanguageListModel(LanguageListModel::languageCodesOnDisk(), this);
}

int Kelvo::getAppId() const
{
    return Globals::KELVO_APP_ID;
}

QString Kelvo::getLicenseText(const QString& license) const
{
    return LicenseTexts::read(license);
}

QString Kelvo::getLastFilePath() const
{
#ifdef Q_OS_WIN
    const QString fallback = QStringLiteral("C:\\");
#else
    const QString fallback = QDir::homePath();
#endif
    return shellSettings().value(Globals::LAST_FILE_PATH_KEY, fallback).toString();
}

void Kelvo::openAssemblyInstructions(const QString& pluginName, bool isKNX)
{
    // The name becomes part of a path: anything but a plain name opens nothing.
    const AssemblyInstructions::Choice choice =
        NameCheck::isPlainFileName(pluginName)
            ? AssemblyInstructions::choose(pluginName, isKNX, languageCode())
            : AssemblyInstructions::Choice{};
    logStatus(KelvoStrings::INFO_MSG_OPEN_ASSEMBLY_INSTRUCTIONS,
              QLatin1Char(' ') + choice.fileName);
    if (!choice.path.isEmpty() && QFileInfo::exists(choice.path))
        openLocalFile(choice.path);
}

QString Kelvo::getPluginStartOptions(int appId, bool isVireo)
{
    m_currentPlugin = ProductManager::instance()->loadPlugin(appId);
    if (!m_currentPlugin)
        return DRIVER_MISSING_VIEW;
    if (m_rootContext)
        m_rootContext->setContextProperty(QStringLiteral("plugin"), m_currentPlugin.data());
    connectPlugin(m_currentPlugin);
    return m_currentPlugin->startPlugin(isVireo, m_rootContext);
}

void Kelvo::connectPlugin(IPlugin* plugin)
{
    connect(plugin, &IPlugin::injectUi, this, &Kelvo::injectPlugin, Qt::UniqueConnection);
    connect(plugin, &IPlugin::updateStatus, this, &Kelvo::statusUpdateReceived,
            Qt::UniqueConnection);
    connect(plugin, &IPlugin::closeDialog, this, &Kelvo::closeDialog, Qt::UniqueConnection);
    connect(plugin, &IPlugin::showSplashScreen, this, &Kelvo::showSplashScreen,
            Qt::UniqueConnection);
    // By signature: a plug-in may override the slots.
    connect(this, SIGNAL(quit()), plugin, SLOT(onQuit()), Qt::UniqueConnection);
    connect(this, SIGNAL(pluginClosed()), plugin, SLOT(onPluginClosed()), Qt::UniqueConnection);
}

// Only the shell's own connections go: the plug-in's connections to itself and those of the
// screens must survive, or the plug-in would be broken when it is opened again.
void Kelvo::releasePlugin()
{
    if (m_currentPlugin) {
        disconnect(this, SIGNAL(quit()), m_currentPlugin, SLOT(onQuit()));
        disconnect(this, SIGNAL(pluginClosed()), m_currentPlugin, SLOT(onPluginClosed()));
        disconnect(m_currentPlugin, nullptr, this, nullptr);
    }
    m_currentPlugin = nullptr;
}

void Kelvo::quitApplication()
{
    logStatus(KelvoStrings::INFO_MSG_QUIT_APPLICATION);
    emit quit();
    releasePlugin();
    PendingDeletions::sweep();
}

bool Kelvo::cancelLoading(bool beforeDelete)
{
    logStatus(KelvoStrings::INFO_MSG_CANCEL_LOADING);
    emit quit();
    if (beforeDelete)
        m_currentPlugin = nullptr;
    else
        releasePlugin();
    return true;
}

void Kelvo::exitPlugin()
{
    emit pluginClosed();
}

void Kelvo::checkForKelvoUpdates()
{
    logStatus(KelvoStrings::INFO_MSG_CHECKING_FOR_UPDATES);
    m_updateCheckAsked = true;
    BundleManager::instance()->checkForUpdates();
}

void Kelvo::downloadChangelog(int appId)
{
    emit showSplashScreen(true);
    logStatus(KelvoStrings::INFO_MSG_DOWNLOADING_CHANGELOG);
    ProductManager::instance()->downloadChangelog(appId, false);
}

void Kelvo::downloadUpdate()
{
    logStatus(KelvoStrings::INFO_MSG_DOWNLOADING_UPDATE);
    BundleManager::instance()->downloadUpdate();
}

void Kelvo::downloadPlugin(int appId, bool isPluginUpdate)
{
    emit showSplashScreen(true);
    logStatus(KelvoStrings::INFO_MSG_DOWNLOADING_PLUGIN);
    ProductManager::instance()->downloadPlugin(appId == 0 ? Globals::KELVO_APP_ID : appId,
                                               isPluginUpdate);
}

void Kelvo::runUpdate()
{
    logStatus(KelvoStrings::INFO_MSG_INSTALL_UPDATE);
    BundleManager::instance()->runUpdate();
}

void Kelvo::deletePlugin(int appId, bool sendMessage)
{
    if (sendMessage) {
        pendingDeleteAppId = appId;
        emit messageSend(getTranslation(KelvoStrings::WRN_MSG_DELETE_PLUGIN),
                         XEvents::WARNING_MESSAGE, XEvents::DELETE_PLUGIN, XEvents::CANCEL,
                         QString());
        return;
    }
    ProductManager::instance()->deletePlugin(pendingDeleteAppId);
}

void Kelvo::openForgottenPassword()
{
    emit openForgottenPasswordPopup(generateCustomerCode());
}

QString Kelvo::generateCustomerCode()
{
    const std::optional<PasswordCodes::Code> code = PasswordCodes::draw();
    if (!code)
        return QString();
    m_customerCode = code->customerCode;
    m_expectedDigest = code->expectedDigest;
    return code->customerCode + QLatin1Char(' ') + code->tag;
}

bool Kelvo::checkCode(const QString& salesCode) const
{
    return PasswordCodes::matches(m_customerCode, m_expectedDigest, salesCode);
}

void Kelvo::openHelpSite(const QString& pluginName)
{
    if (!NameCheck::isPlainFileName(pluginName))
        return;
    const QString path = HelpSites::localPath(pluginName, languageCode());
    if (QFileInfo::exists(path))
        openLocalFile(path);
}

QString Kelvo::getTranslation(KelvoStrings::Keys key) const
{
    return KelvoStringManager::instance()->getText(key);
}

QString Kelvo::getCommonTranslation(CommonStrings::Keys key) const
{
    return CommonStringManager::instance()->getText(key);
}

QString Kelvo::getApplicationName(bool forDisplay) const
{
    return forDisplay ? Globals::DISPLAY_NAME : Globals::APPLICATION_NAME;
}

void Kelvo::changeSettings(const QString& newValue)
{
    if (newValue == QLatin1String("nox")) {
        shellSettings().setValue(Globals::THEME_KEY, true);
    } else if (newValue == QLatin1String("light")) {
        shellSettings().setValue(Globals::THEME_KEY, false);
    } else if (newValue.contains(QLatin1String("TCP"))) {
        const QStringList parts = newValue.split(QLatin1Char(' '), Qt::KeepEmptyParts);
        shellSettings().setValue(Globals::TCP_KEY, parts.value(1));
    }
}

void Kelvo::setShowTooltips(bool value)
{
    if (m_rootContext)
        m_rootContext->setContextProperty(QStringLiteral("showTooltips"), value);
    QSettings settings = shellSettings();
    settings.setValue(Globals::SHOW_TOOLTIPS_KEY, value);
    settings.sync();
}

bool Kelvo::getShowTooltips() const
{
    // Tool-tips are on until the user turns them off: the settings show what he sees.
    return shellSettings().value(Globals::SHOW_TOOLTIPS_KEY, true).toBool();
}

void Kelvo::setDarkMode(bool value)
{
    shellSettings().setValue(Globals::THEME_KEY, value);
}

bool Kelvo::getDarkMode() const
{
    return shellSettings().value(Globals::THEME_KEY, false).toBool();
}

void Kelvo::changeVisibilityOfUpdateHint()
{
    QSettings settings = shellSettings();
    settings.beginGroup(Globals::UPDATE_HINT_GROUP);
    settings.setValue(Globals::versionKey(Globals::VERSION_NUMBER), false);
}

void Kelvo::postponeUpdate()
{
    if (!m_availableVersion.isEmpty())
        shellSettings().setValue(Globals::UPDATE_LATER_KEY, m_availableVersion);
}

bool Kelvo::isPostponed(const QString& version) const
{
    const QVersionNumber offered = QVersionNumber::fromString(version);
    const QVersionNumber putOff =
        QVersionNumber::fromString(shellSettings().value(Globals::UPDATE_LATER_KEY).toString());
    return !offered.isNull() && !putOff.isNull() && offered <= putOff;
}

void Kelvo::statusUpdateReceived(const QString& message, XEvents::MessageTypes type,
                                 XEvents::MessageActionTypes okAction,
                                 XEvents::MessageActionTypes cancelAction,
                                 const QString& okButtonText)
{
    switch (type) {
    case XEvents::STATUS_INFO_MESSAGE:
        addStatusLine(message, Message::INFO);
        break;
    case XEvents::STATUS_ERROR_MESSAGE:
        addStatusLine(message, Message::ERROR);
        break;
    case XEvents::INFO_MESSAGE:
    case XEvents::HINT_MESSAGE:
    case XEvents::WARNING_MESSAGE:
    case XEvents::ERROR_MESSAGE:
        emit messageSend(message, type, okAction, cancelAction, okButtonText);
        break;
    }
}

void Kelvo::receiveKelvoDetails(const QString& availableVersion, bool isUpToDate)
{
    m_availableVersion = availableVersion;
    const bool asked = std::exchange(m_updateCheckAsked, false);
    emit sendKelvoDetails(Globals::KELVO_APP_ID, availableVersion, isUpToDate);
    // Without the changelog the update dialog stays closed.
    if (!isUpToDate && (asked || !isPostponed(availableVersion)))
        BundleManager::instance()->downloadChangelog();
}

void Kelvo::downloadFailureOccured(const QString& errorString)
{
    addStatusLine(getTranslation(KelvoStrings::ERR_MSG_DOWNLOAD_FAILED) + QStringLiteral(": ") +
                      errorString,
                  Message::ERROR);
    emit showSplashScreen(false);
}

void Kelvo::logStatus(KelvoStrings::Keys key, const QString& addition)
{
    statusUpdateReceived(getTranslation(key) + addition, XEvents::STATUS_INFO_MESSAGE);
}

// A line beginning with "@" continues the last line; the log file gets it as received.
void Kelvo::addStatusLine(const QString& text, Message::MessageFlags flag)
{
    if (m_messageListModel) {
        if (text.startsWith(QLatin1Char('@')))
            m_messageListModel->appendToLastMessage(text);
        else
            m_messageListModel->addMessage(text, flag);
    }
    m_statusLog->writeLine(text);
}

QString Kelvo::languageCode() const
{
    return m_translatorRef ? m_translatorRef->currentLanguageCode() : QStringLiteral("en");
}
