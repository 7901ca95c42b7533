#pragma once

#include "deviceconfiguration.h"
#include "iplugin.h"
#include "reportmetadata.h"

#include <QPointer>
#include <QTimer>
#include <QVariantMap>
#include <functional>

class QQmlContext;

// What a device plug-in tells about itself.
struct DevicePluginInfo
{
    int appId = 0;
    QString name;        // lower-case, as in the catalogue: "kastorplus"
    QString displayName; // "Kastor+"
    QString version;
    QString buildNumber;
    QString buildDate;
    QString fileExtension; // of its configuration files, without the dot
    QString fileKind;      // "Kastor+ configuration", the file dialog's filter name
    QString firmwareVersion;
    QString startOptionsUrl;
    QString deviceViewUrl;
    bool hasWifi = false;
};

// A virtual device plug-in: every member the shell calls on `plugin`, with real behaviour.
// Configurations go to the device (a file in the application data folder that stands for its
// memory) and to configuration files; reports are PDF files; firmware update, restart,
// format and factory reset run as timed operations under the loading overlay. A plug-in
// derives from it, names its settings and views, and adds what its device has of its own.
class DevicePlugin : public IPlugin
{
    Q_OBJECT
    Q_PROPERTY(int canId READ canId WRITE setCanId NOTIFY canIdChanged)
    Q_PROPERTY(bool savingForDeviceRemoved MEMBER m_savingForDeviceRemoved)
    Q_PROPERTY(QVariantMap configuration READ configuration NOTIFY configurationChanged)
    Q_PROPERTY(QVariantMap liveValues READ liveValues NOTIFY liveValuesChanged)
    Q_PROPERTY(bool passwordProtected READ passwordProtected NOTIFY deviceStateChanged)
    Q_PROPERTY(QString firmware READ firmware NOTIFY deviceStateChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // How long a simulated device service takes, in milliseconds.
    Q_PROPERTY(int operationDuration READ operationDuration WRITE setOperationDuration)

public:
    DevicePlugin(DevicePluginInfo info, QList<DeviceSetting> settings, QObject* parent = nullptr);

    QString startPlugin(bool isVireo, QQmlContext* context) override;

    // Who the plug-in is.
    Q_INVOKABLE int getAppId() const { return m_info.appId; }
    Q_INVOKABLE QString getPluginName(bool forDisplay) const;
    Q_INVOKABLE QString getVersion() const { return m_info.version; }
    Q_INVOKABLE QString getBuildNumber() const { return m_info.buildNumber; }
    Q_INVOKABLE QString getBuildDate() const { return m_info.buildDate; }

    // The configuration the views edit.
    Q_INVOKABLE bool checkChanges() const { return m_configuration.hasChanges(); }
    Q_INVOKABLE bool setValue(const QString& key, const QVariant& value);
    // Opens the virtual device: loads what its memory holds and shows the device view.
    Q_INVOKABLE void openVirtualDevice();

    // Device and files.
    Q_INVOKABLE void saveConfiguration();
    Q_INVOKABLE void loadConfigurationFromDevice();
    Q_INVOKABLE void saveConfigurationToFile(const QString& path, bool isWithLoading);
    Q_INVOKABLE void loadConfigurationFile(const QString& path);
    Q_INVOKABLE QString getFileFilter() const;
    Q_INVOKABLE QString getConfigurationFileExtension() const { return m_info.fileExtension; }
    Q_INVOKABLE void removeTempConfigFile(const QString& path);
    Q_INVOKABLE void createBackupOnSDCard(const QString& folder);
    Q_INVOKABLE void createBackupForSDCard(const QString& folder);
    Q_INVOKABLE void restoreBackup(int canId);

    // Report.
    Q_INVOKABLE QString getMetaData(const QString& key) const;
    Q_INVOKABLE void setMetaData(const QString& key, const QString& text);
    Q_INVOKABLE void createPdfReport(const QString& path, const QString& version);
    Q_INVOKABLE void saveCreatedReport(const QString& path);

    // Device services.
    Q_INVOKABLE void forcedUpdateFirmware();
    Q_INVOKABLE void restartDevice();
    Q_INVOKABLE void startFormat();
    Q_INVOKABLE void setFactorySettings();
    Q_INVOKABLE void saveWifiSettings(const QString& ssid, const QString& password, int channel,
                                      int security, bool useDhcp);
    Q_INVOKABLE void deletePassword(int index);
    // Asks the user to confirm a device service; the shell calls it back on OK.
    Q_INVOKABLE void requestAction(XEvents::MessageActionTypes action);
    // The virtual device is unplugged: unsaved changes are offered for a file first.
    Q_INVOKABLE void removeDevice();

    int canId() const { return m_canId; }
    void setCanId(int canId);
    QVariantMap configuration() const { return m_configuration.values(); }
    QVariantMap liveValues() const { return m_liveValues; }
    bool passwordProtected() const { return m_passwordProtected; }
    QString firmware() const { return m_firmware; }
    bool busy() const { return m_operation.isActive(); }

    // Where this plug-in keeps its files: below the application data folder.
    QString dataFolder() const;
    int operationDuration() const { return m_operation.interval(); }
    void setOperationDuration(int milliseconds) { m_operation.setInterval(milliseconds); }

public slots:
    void onQuit() override;
    void onPluginClosed() override;

signals:
    void configurationSaved();
    void canIdChanged();
    void configurationChanged();
    void liveValuesChanged();
    void deviceStateChanged();
    void busyChanged();

protected:
    const DevicePluginInfo& info() const { return m_info; }
    void setLiveValue(const QString& key, const QVariant& value);
    // Runs while the device view is shown: plug-ins start their live readings here.
    virtual void deviceOpened() {}
    virtual void deviceClosed() {}

private:
    QString deviceFile() const;
    QString temporaryFile() const;
    QString configurationId() const;
    bool writeDevice();
    void readDevice();
    QString writeConfiguration(const QString& path) const;
    bool applyFile(const QString& path);
    void writeBackup(const QString& path);
    void runOperation(const QString& startText, const QString& doneText,
                      std::function<void()> finish);
    void status(const QString& text, bool isError = false);

    DevicePluginInfo m_info;
    DeviceConfiguration m_configuration;
    ReportMetaData m_metaData;
    QVariantMap m_liveValues;
    QString m_configurationPath; // the file the configuration came from; empty: the device's
    QString m_lastReport;
    QString m_lastBackupFolder;
    QString m_firmware;
    int m_canId = 1;
    bool m_passwordProtected = true;
    bool m_savingForDeviceRemoved = false;
    bool m_deviceOpen = false;
    QTimer m_operation;
    std::function<void()> m_finishOperation;
    QString m_operationDoneText;
};
