#include "deviceplugin.h"

#include "configurationfile.h"
#include "devicetexts.h"
#include "pdfreport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QQmlContext>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTranslator>

using namespace DeviceTexts;

// The kit's views are linked into each plug-in; the resource registers with the plug-in.
static void initDeviceKitResources()
{
    Q_INIT_RESOURCE(devicekit);
    Q_INIT_RESOURCE(devicekit_translations);
}

namespace {
const QString DEVICE_ID = QStringLiteral("device");
const QString PASSWORD = QStringLiteral("passwordProtected");
const QString FIRMWARE = QStringLiteral("firmware");
const QString FIRST_FIRMWARE = QStringLiteral("1.0.0");
// The cover sheet's fields, in the order of the sheet.
const QList<QPair<QString, Text>> COVER_SHEET{
    {QStringLiteral("projectName"), PROJECT_NAME},
    {QStringLiteral("customerData"), CUSTOMER_DATA},
    {QStringLiteral("constructorData"), CONSTRUCTOR_DATA},
    {QStringLiteral("serviceDate"), SERVICE_DATE},
    {QStringLiteral("serviceRepresentative"), SERVICE_REPRESENTATIVE},
    {QStringLiteral("objectData"), OBJECT_DATA},
    {QStringLiteral("freeText"), DESCRIPTION}};

// Copies `source` over `target` through a side file that replaces the target only once it is
// whole: a failed copy leaves the file that was there before.
bool replaceWithCopy(const QString& source, const QString& target)
{
    QFile in(source);
    QSaveFile out(target);
    return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
           out.write(in.readAll()) == in.size() && out.commit();
}

QString newestFile(const QString& folder, const QString& pattern)
{
    const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Time);
    return files.isEmpty() ? QString() : files.constFirst().absoluteFilePath();
}

} // namespace

DevicePlugin::DevicePlugin(DevicePluginInfo info, QList<DeviceSetting> settings, QObject* parent)
    : IPlugin(parent), m_info(std::move(info)), m_configuration(std::move(settings)),
      m_metaData(dataFolder() + QStringLiteral("/reportMetaData.json")), m_firmware(FIRST_FIRMWARE)
{
    initDeviceKitResources();
    m_operation.setSingleShot(true);
    m_operation.setInterval(1500);
    connect(&m_operation, &QTimer::timeout, this, [this] {
        const auto finish = std::exchange(m_finishOperation, nullptr);
        if (finish)
            finish();
        status(m_operationDoneText);
        emit busyChanged();
        emit showSplashScreen(false);
    });
}

// The kit's texts come with the kit's own catalogue, in the language the shell publishes as
// "language" (its code). Each plug-in library holds one copy of the kit and installs it once.
static void installKitCatalogue(QQmlContext* context)
{
    static QTranslator* installed = nullptr;
    const QString code =
        context ? context->contextProperty(QStringLiteral("language")).toString() : QString();
    const QString path =
        QStringLiteral(":/quillmark/devicekit/translations/quillmarkkit_%1.qm").arg(code);
    if (code.isEmpty() || (installed && installed->filePath() == path))
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path)) {
        qWarning("the plug-in kit has no catalogue for the language \"%s\"", qPrintable(code));
        delete translator;
        return;
    }
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

QString DevicePlugin::startPlugin(bool, QQmlContext* context)
{
    installKitCatalogue(context);
    return m_info.startOptionsUrl;
}

QString DevicePlugin::getPluginName(bool forDisplay) const
{
    return forDisplay ? m_info.displayName : m_info.name;
}

bool DevicePlugin::setValue(const QString& key, const QVariant& value)
{
    if (m_configuration.value(key) == value)
        return true;
    if (!m_configuration.setValue(key, value).isEmpty()) {
        status(text(VALUE_REFUSED).arg(value.toString(), key), true);
        return false;
    }
    emit configurationChanged();
    return true;
}

void DevicePlugin::openVirtualDevice()
{
    readDevice();
    m_deviceOpen = true;
    emit injectUi(m_info.deviceViewUrl, true);
    status(text(DEVICE_OPENED).arg(m_info.displayName));
    deviceOpened();
}

void DevicePlugin::saveConfiguration()
{
    const QVariantMap previous = m_configuration.savedValues();
    m_configuration.markSaved();
    if (!writeDevice()) {
        // Nothing reached the device: the edits stay unsaved and the shell stays.
        m_configuration.setSavedValues(previous);
        status(text(CONFIGURATION_SAVE_FAILED), true);
        return;
    }
    status(text(CONFIGURATION_SAVED));
    emit configurationSaved();
}

void DevicePlugin::loadConfigurationFromDevice()
{
    readDevice();
    status(text(DEVICE_LOADED));
}

void DevicePlugin::saveConfigurationToFile(const QString& path, bool isWithLoading)
{
    if (isWithLoading)
        emit showSplashScreen(true);
    QString target = ConfigurationFile::localPath(path);
    if (target.isEmpty()) {
        target = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                 QStringLiteral("/%1_%2").arg(m_info.name).arg(m_canId);
    }
    if (QFileInfo(target).suffix() != m_info.fileExtension)
        target += QLatin1Char('.') + m_info.fileExtension;
    QString error;
    // The shell never clears the flag when its file dialog is cancelled: the kept changes of a
    // removed device are saved only while they are still kept.
    const bool forRemovedDevice = m_savingForDeviceRemoved && QFile::exists(temporaryFile());
    m_savingForDeviceRemoved = false;
    if (forRemovedDevice) {
        // What is saved is what the removed device had, kept aside when it went.
        if (!replaceWithCopy(temporaryFile(), target))
            error = QStringLiteral("the changes of the removed device could not be copied");
        else
            QFile::remove(temporaryFile());
    } else {
        error = writeConfiguration(target);
        if (error.isEmpty()) {
            m_metaData.setEntries(QFileInfo(target).absoluteFilePath(),
                                  m_metaData.entries(configurationId()));
            m_configurationPath = QFileInfo(target).absoluteFilePath();
        }
    }
    if (error.isEmpty())
        status(text(FILE_SAVED).arg(QDir::toNativeSeparators(target)));
    else
        status(text(FILE_SAVE_FAILED).arg(QDir::toNativeSeparators(target), error), true);
    emit showSplashScreen(false);
}

void DevicePlugin::loadConfigurationFile(const QString& path)
{
    if (applyFile(ConfigurationFile::localPath(path)))
        status(text(FILE_LOADED).arg(QDir::toNativeSeparators(m_configurationPath)));
}

QString DevicePlugin::getFileFilter() const
{
    return QStringLiteral("%1 (*.%2)").arg(m_info.fileKind, m_info.fileExtension);
}

void DevicePlugin::removeTempConfigFile(const QString& path)
{
    // Only a file name is taken from the caller, and only from this plug-in's own folder.
    const QString name = QFileInfo(path).fileName();
    m_savingForDeviceRemoved = false;
    if (name.isEmpty() || !QFile::remove(dataFolder() + QStringLiteral("/temp/") + name))
        return;
    status(text(TEMPORARY_FILE_REMOVED));
}

void DevicePlugin::createBackupOnSDCard(const QString& folder)
{
    const QString local = ConfigurationFile::localPath(folder);
    m_lastBackupFolder = local;
    writeBackup(
        local +
        QStringLiteral("/BACKUP/%1_%2.%3").arg(m_info.name).arg(m_canId).arg(m_info.fileExtension));
}

void DevicePlugin::createBackupForSDCard(const QString& folder)
{
    const QString local = ConfigurationFile::localPath(folder);
    m_lastBackupFolder = local;
    writeBackup(local +
                QStringLiteral("/%1_%2_%3.%4")
                    .arg(m_info.name)
                    .arg(m_canId)
                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")))
                    .arg(m_info.fileExtension));
}

void DevicePlugin::restoreBackup(int canId)
{
    // The backup on the card first, else the newest backup file made for a card.
    const QString prefix = QStringLiteral("%1_%2").arg(m_info.name).arg(canId);
    QString found;
    if (!m_lastBackupFolder.isEmpty()) {
        found = m_lastBackupFolder + QStringLiteral("/BACKUP/") + prefix + QLatin1Char('.') +
                m_info.fileExtension;
        if (!QFile::exists(found))
            found = newestFile(m_lastBackupFolder,
                               prefix + QStringLiteral("_*.") + m_info.fileExtension);
    }
    if (found.isEmpty()) {
        status(text(NO_BACKUP).arg(canId), true);
        return;
    }
    if (!applyFile(found))
        return;
    m_configuration.markSaved();
    if (!writeDevice()) {
        status(text(CONFIGURATION_SAVE_FAILED), true);
        return;
    }
    status(text(BACKUP_RESTORED).arg(canId).arg(QDir::toNativeSeparators(found)));
}

QString DevicePlugin::getMetaData(const QString& key) const
{
    return m_metaData.value(configurationId(), key);
}

void DevicePlugin::setMetaData(const QString& key, const QString& text)
{
    m_metaData.setValue(configurationId(), key, text);
}

void DevicePlugin::createPdfReport(const QString& path, const QString& version)
{
    QString target = ConfigurationFile::localPath(path);
    if (target.isEmpty()) {
        target = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                 QStringLiteral("/%1_report.pdf").arg(m_info.name);
    }
    if (QFileInfo(target).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        target += QStringLiteral(".pdf");

    PdfReport report;
    report.title = m_info.displayName + QStringLiteral(" – ") + text(REPORT_TITLE);
    report.header = {
        {text(REPORT_DEVICE), QStringLiteral("%1 (CAN %2)").arg(m_info.displayName).arg(m_canId)},
        {text(REPORT_FIRMWARE), m_firmware},
        {text(REPORT_PLUGIN_VERSION), m_info.version},
        {text(REPORT_SHELL_VERSION), version},
        {text(REPORT_CREATED_ON),
         QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)}};
    report.coverSheetTitle = text(REPORT_COVER_SHEET);
    for (const auto& [key, label] : COVER_SHEET)
        report.coverSheet.append({text(label), getMetaData(key)});
    report.configurationTitle = text(REPORT_CONFIGURATION);
    for (const DeviceSetting& setting : m_configuration.settings()) {
        if (!setting.key.startsWith(QLatin1String("wifiPassword")))
            report.configuration.append({setting.label, m_configuration.displayValue(setting)});
    }
    const QString error = report.write(target);
    if (error.isEmpty()) {
        m_lastReport = QFileInfo(target).absoluteFilePath();
        status(text(REPORT_CREATED).arg(QDir::toNativeSeparators(target)));
    } else {
        status(text(REPORT_FAILED).arg(QDir::toNativeSeparators(target), error), true);
    }
    emit showSplashScreen(false);
}

void DevicePlugin::saveCreatedReport(const QString& path)
{
    const QString target = ConfigurationFile::localPath(path);
    if (m_lastReport.isEmpty() || !QFile::exists(m_lastReport)) {
        status(text(NO_REPORT), true);
        return;
    }
    if (!target.isEmpty() && QFileInfo(target).absoluteFilePath() != m_lastReport) {
        if (!replaceWithCopy(m_lastReport, target)) {
            status(text(REPORT_FAILED)
                       .arg(QDir::toNativeSeparators(target), QStringLiteral("copy failed")),
                   true);
            return;
        }
    }
    status(
        text(REPORT_SAVED).arg(QDir::toNativeSeparators(target.isEmpty() ? m_lastReport : target)));
}

void DevicePlugin::forcedUpdateFirmware()
{
    runOperation(text(FIRMWARE_UPDATING), text(FIRMWARE_UPDATED).arg(m_info.firmwareVersion),
                 [this] {
                     m_firmware = m_info.firmwareVersion;
                     writeDevice();
                     emit deviceStateChanged();
                 });
}

void DevicePlugin::restartDevice()
{
    runOperation(text(RESTARTING), text(RESTARTED), [this] {
        m_liveValues.clear();
        emit liveValuesChanged();
    });
}

void DevicePlugin::startFormat()
{
    runOperation(text(FORMATTING), text(FORMATTED), [this] {
        // The memory is empty: what the view shows is now unsaved.
        DeviceConfiguration defaults(m_configuration.settings());
        m_configuration.setSavedValues(defaults.values());
        writeDevice();
    });
}

void DevicePlugin::setFactorySettings()
{
    runOperation(text(RESETTING), text(RESET_DONE), [this] {
        m_configuration.resetToDefaults();
        m_configuration.markSaved();
        m_passwordProtected = true;
        writeDevice();
        emit configurationChanged();
        emit deviceStateChanged();
    });
}

void DevicePlugin::saveWifiSettings(const QString& ssid, const QString& password, int, int, bool)
{
    if (!m_info.hasWifi) {
        status(text(NO_WIFI), true);
        return;
    }
    // Empty arguments mean: the Wi-Fi settings as edited in the view.
    if (!ssid.isEmpty())
        setValue(QStringLiteral("wifiSsid"), ssid);
    if (!password.isEmpty())
        setValue(QStringLiteral("wifiPassword"), password);
    const QVariantMap previous = m_configuration.savedValues();
    QVariantMap saved = previous;
    for (const DeviceSetting& setting : m_configuration.settings()) {
        if (setting.key.startsWith(QLatin1String("wifi")))
            saved.insert(setting.key, m_configuration.value(setting.key));
    }
    m_configuration.setSavedValues(saved);
    if (!writeDevice()) {
        m_configuration.setSavedValues(previous);
        status(text(CONFIGURATION_SAVE_FAILED), true);
        return;
    }
    status(text(WIFI_SAVED));
}

void DevicePlugin::deletePassword(int index)
{
    if (index != 0 || !m_passwordProtected) {
        status(text(NO_PASSWORD), true);
        return;
    }
    m_passwordProtected = false;
    if (!writeDevice()) {
        m_passwordProtected = true;
        status(text(CONFIGURATION_SAVE_FAILED), true);
        return;
    }
    emit deviceStateChanged();
    status(text(PASSWORD_DELETED));
    emit updateStatus(text(PASSWORD_DELETED), XEvents::INFO_MESSAGE);
}

void DevicePlugin::requestAction(XEvents::MessageActionTypes action)
{
    QString question;
    XEvents::MessageActionTypes cancel = XEvents::CANCEL;
    switch (action) {
    case XEvents::FW_UPDATE:
        question = text(CONFIRM_FIRMWARE_UPDATE).arg(m_info.firmwareVersion);
        break;
    case XEvents::RESTART_DEVICE:
        question = text(CONFIRM_RESTART);
        break;
    case XEvents::FORMAT_FILE_SYSTEM:
        question = text(CONFIRM_FORMAT);
        break;
    case XEvents::FACTORY_RESET:
        question = text(CONFIRM_FACTORY_RESET);
        break;
    case XEvents::RESTORE_SINGLE_BACKUP:
        question = text(CONFIRM_RESTORE_BACKUP).arg(m_canId);
        break;
    case XEvents::SAVE_WIFI_SETTINGS:
        question = text(CONFIRM_WIFI);
        break;
    case XEvents::LOAD_OK:
        question = text(CONFIRM_LOAD_FROM_DEVICE);
        cancel = XEvents::LOAD_CANCEL;
        break;
    default:
        return;
    }
    emit updateStatus(question, XEvents::WARNING_MESSAGE, action, cancel);
}

void DevicePlugin::removeDevice()
{
    if (!m_configuration.hasChanges()) {
        readDevice();
        return;
    }
    QDir().mkpath(dataFolder() + QStringLiteral("/temp"));
    if (!writeConfiguration(temporaryFile()).isEmpty()) {
        status(
            text(FILE_SAVE_FAILED)
                .arg(QDir::toNativeSeparators(temporaryFile()), QStringLiteral("temporary file")),
            true);
        return;
    }
    // The virtual device comes back at once, with what its memory holds.
    readDevice();
    emit updateStatus(text(DEVICE_REMOVED), XEvents::WARNING_MESSAGE, XEvents::SAVE_TO_FILE,
                      XEvents::DEVICE_REMOVED_NOTIFY);
}

void DevicePlugin::setCanId(int canId)
{
    if (canId == m_canId)
        return;
    m_canId = canId;
    emit canIdChanged();
}

QString DevicePlugin::dataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/plugins/") + m_info.name;
}

void DevicePlugin::onQuit()
{
    onPluginClosed();
}

void DevicePlugin::onPluginClosed()
{
    if (m_operation.isActive()) {
        m_operation.stop();
        m_finishOperation = nullptr;
        emit busyChanged();
        emit closeDialog();
    }
    if (m_deviceOpen) {
        m_deviceOpen = false;
        deviceClosed();
    }
}

void DevicePlugin::setLiveValue(const QString& key, const QVariant& value)
{
    m_liveValues.insert(key, value);
    emit liveValuesChanged();
}

QString DevicePlugin::deviceFile() const
{
    return dataFolder() + QStringLiteral("/virtualDevice.json");
}

QString DevicePlugin::temporaryFile() const
{
    return dataFolder() + QStringLiteral("/temp/Report.") + m_info.fileExtension;
}

QString DevicePlugin::configurationId() const
{
    return m_configurationPath.isEmpty() ? DEVICE_ID : m_configurationPath;
}

bool DevicePlugin::writeDevice()
{
    ConfigurationFile memory;
    memory.pluginName = m_info.name;
    memory.configuration = QJsonObject::fromVariantMap(m_configuration.savedValues());
    memory.deviceState = {{PASSWORD, m_passwordProtected}, {FIRMWARE, m_firmware}};
    return memory.write(deviceFile()).isEmpty();
}

void DevicePlugin::readDevice()
{
    ConfigurationFile memory;
    m_configurationPath.clear();
    m_configuration.resetToDefaults();
    m_passwordProtected = true;
    m_firmware = FIRST_FIRMWARE;
    if (QFile::exists(deviceFile())) {
        QString error = memory.read(deviceFile());
        if (error.isEmpty() && !m_configuration.setValues(memory.configuration).isEmpty())
            error = QStringLiteral("bad values");
        if (error.isEmpty()) {
            m_passwordProtected = memory.deviceState.value(PASSWORD).toBool(true);
            m_firmware = memory.deviceState.value(FIRMWARE).toString(FIRST_FIRMWARE);
        } else {
            status(text(DEVICE_MEMORY_DAMAGED).arg(error), true);
        }
    }
    m_configuration.markSaved();
    emit configurationChanged();
    emit deviceStateChanged();
}

QString DevicePlugin::writeConfiguration(const QString& path) const
{
    ConfigurationFile file;
    file.pluginName = m_info.name;
    file.configuration = m_configuration.toJson();
    file.reportMetaData = m_metaData.entries(configurationId());
    return file.write(path);
}

bool DevicePlugin::applyFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    ConfigurationFile file;
    const QString error = file.read(path);
    if (!error.isEmpty()) {
        status(
            (QFile::exists(path) ? text(FILE_NOT_JSON) : text(FILE_NOT_READABLE)).arg(shown, error),
            true);
        return false;
    }
    if (file.pluginName != m_info.name) {
        status(text(FILE_OF_OTHER_DEVICE).arg(shown, file.pluginName), true);
        return false;
    }
    const QString refused = m_configuration.setValues(file.configuration);
    if (!refused.isEmpty()) {
        status(text(FILE_BAD_VALUE).arg(shown, refused), true);
        return false;
    }
    m_configurationPath = QFileInfo(path).absoluteFilePath();
    // Texts kept here are newer than those in the file; a file from elsewhere brings its own.
    if (!file.reportMetaData.isEmpty() && m_metaData.entries(m_configurationPath).isEmpty())
        m_metaData.setEntries(m_configurationPath, file.reportMetaData);
    emit configurationChanged();
    return true;
}

void DevicePlugin::writeBackup(const QString& path)
{
    const QString error = writeConfiguration(path);
    if (error.isEmpty())
        status(text(BACKUP_WRITTEN).arg(QDir::toNativeSeparators(path)));
    else
        status(text(BACKUP_FAILED).arg(QDir::toNativeSeparators(path), error), true);
}

void DevicePlugin::runOperation(const QString& startText, const QString& doneText,
                                std::function<void()> finish)
{
    if (m_operation.isActive()) {
        status(text(BUSY), true);
        return;
    }
    m_finishOperation = std::move(finish);
    m_operationDoneText = doneText;
    emit showSplashScreen(true);
    status(startText);
    m_operation.start();
    emit busyChanged();
}

void DevicePlugin::status(const QString& text, bool isError)
{
    emit updateStatus(text, isError ? XEvents::STATUS_ERROR_MESSAGE : XEvents::STATUS_INFO_MESSAGE);
}
