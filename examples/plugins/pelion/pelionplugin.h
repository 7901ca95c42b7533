#pragma once

#include <QStringList>
#include <iplugin.h>

class PelionPlugin : public IPlugin
{
    Q_OBJECT
    Q_PROPERTY(QStringList smokeZones READ smokeZones NOTIFY smokeZonesChanged)

public:
    using IPlugin::IPlugin;

    QString startPlugin(bool isVireo, QQmlContext* context) override;

    Q_INVOKABLE int getAppId() const { return 14; }
    Q_INVOKABLE QString getPluginName(bool forDisplay) const;
    Q_INVOKABLE QString getVersion() const { return QStringLiteral(PLUGIN_VERSION); }
    Q_INVOKABLE QString getBuildNumber() const { return QStringLiteral("21"); }
    Q_INVOKABLE QString getBuildDate() const { return QStringLiteral("30.01.2024"); }

    // Opens a virtual control unit with its default smoke zones.
    Q_INVOKABLE void openVirtualControlUnit();
    Q_INVOKABLE void addSmokeZone(const QString& name);

    QStringList smokeZones() const { return m_smokeZones; }

public slots:
    void onPluginClosed() override;

signals:
    void smokeZonesChanged();

private:
    QStringList m_smokeZones;
};
