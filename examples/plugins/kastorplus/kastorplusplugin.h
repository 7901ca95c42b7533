#pragma once

#include <iplugin.h>

class KastorPlusPlugin : public IPlugin
{
    Q_OBJECT
    Q_PROPERTY(int canId READ canId WRITE setCanId NOTIFY canIdChanged)
    Q_PROPERTY(bool savingForDeviceRemoved MEMBER m_savingForDeviceRemoved)

public:
    using IPlugin::IPlugin;

    QString startPlugin(bool isVireo, QQmlContext* context) override;

    Q_INVOKABLE int getAppId() const { return 12; }
    Q_INVOKABLE QString getPluginName(bool forDisplay) const;
    Q_INVOKABLE QString getVersion() const { return QStringLiteral(PLUGIN_VERSION); }
    Q_INVOKABLE QString getBuildNumber() const { return QStringLiteral("7"); }
    Q_INVOKABLE QString getBuildDate() const { return QStringLiteral("12.01.2024"); }
    Q_INVOKABLE bool checkChanges() const { return m_changed; }

    // Opens a virtual actuator without a connected device.
    Q_INVOKABLE void openVirtualDevice();
    Q_INVOKABLE void setOpeningWidth(int millimetres);
    Q_INVOKABLE void saveConfiguration();

    int canId() const { return m_canId; }
    void setCanId(int canId);

signals:
    void canIdChanged();
    void configurationSaved();

private:
    int m_canId = 1;
    int m_openingWidth = 300;
    bool m_changed = false;
    bool m_savingForDeviceRemoved = false;
};
