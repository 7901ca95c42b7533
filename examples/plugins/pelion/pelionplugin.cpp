#include "pelionplugin.h"

QString PelionPlugin::startPlugin(bool, QQmlContext*)
{
    return QStringLiteral("qrc:/pelion/StartOptions.qml");
}

QString PelionPlugin::getPluginName(bool forDisplay) const
{
    return forDisplay ? QStringLiteral("Pelion") : QStringLiteral("pelion");
}

void PelionPlugin::openVirtualControlUnit()
{
    m_smokeZones = {QStringLiteral("Stairwell"), QStringLiteral("Atrium")};
    emit smokeZonesChanged();
    emit injectUi(QStringLiteral("qrc:/pelion/ControlUnitView.qml"), true);
}

void PelionPlugin::addSmokeZone(const QString& name)
{
    const QString zone = name.trimmed();
    if (zone.isEmpty() || m_smokeZones.contains(zone)) {
        emit updateStatus(QStringLiteral("Smoke zone \"%1\" is empty or exists already").arg(zone),
                          XEvents::STATUS_ERROR_MESSAGE);
        return;
    }
    m_smokeZones.append(zone);
    emit smokeZonesChanged();
    emit updateStatus(QStringLiteral("Smoke zone \"%1\" added").arg(zone),
                      XEvents::STATUS_INFO_MESSAGE);
}

void PelionPlugin::onPluginClosed()
{
    m_smokeZones.clear();
    emit smokeZonesChanged();
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new PelionPlugin;
}
