#pragma once

#include <iplugin.h>

// The wind and rain alarm thresholds of a Ventus weather station.
class VentusPlugin : public IPlugin
{
    Q_OBJECT
    Q_PROPERTY(double windAlarm READ windAlarm NOTIFY thresholdsChanged)
    Q_PROPERTY(bool rainAlarm READ rainAlarm NOTIFY thresholdsChanged)

public:
    using IPlugin::IPlugin;

    QString startPlugin(bool isVireo, QQmlContext* context) override;

    Q_INVOKABLE int getAppId() const { return 21; }
    Q_INVOKABLE QString getPluginName(bool forDisplay) const;
    Q_INVOKABLE QString getVersion() const { return QStringLiteral(PLUGIN_VERSION); }

    Q_INVOKABLE void openVirtualStation();
    // Wind speed in metres per second above which the windows close.
    Q_INVOKABLE void setWindAlarm(double metresPerSecond);
    Q_INVOKABLE void setRainAlarm(bool enabled);

    double windAlarm() const { return m_windAlarm; }
    bool rainAlarm() const { return m_rainAlarm; }

signals:
    void thresholdsChanged();

private:
    double m_windAlarm = 12.0;
    bool m_rainAlarm = true;
};
