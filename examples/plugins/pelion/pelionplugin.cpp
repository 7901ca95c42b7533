#include "pelionplugin.h"

namespace {

DevicePluginInfo pelionInfo()
{
    DevicePluginInfo info;
    info.appId = 14;
    info.name = QStringLiteral("pelion");
    info.displayName = QStringLiteral("Pelion");
    info.version = QStringLiteral(PLUGIN_VERSION);
    info.buildNumber = QStringLiteral("21");
    info.buildDate = QStringLiteral("30.01.2024");
    info.fileExtension = QStringLiteral("pcu");
    info.fileKind = PelionPlugin::tr("Pelion configuration");
    info.firmwareVersion = QStringLiteral("2.0.1");
    info.startOptionsUrl = QStringLiteral("qrc:/pelion/StartOptions.qml");
    info.deviceViewUrl = QStringLiteral("qrc:/pelion/DeviceView.qml");
    return info;
}

QList<DeviceSetting> pelionSettings()
{
    return {
        {QStringLiteral("location"),
         PelionPlugin::tr("Location"),
         PelionPlugin::tr("Stairwell"),
         0,
         0,
         {}},
        {QStringLiteral("alarmLevel"), PelionPlugin::tr("Alarm level"), 2, 1, 3, {}},
        {QStringLiteral("alarmDelay"), PelionPlugin::tr("Alarm delay"), 10, 0, 60,
         QStringLiteral("s")},
        {QStringLiteral("batteryMonitoring"),
         PelionPlugin::tr("Battery monitoring"),
         true,
         0,
         0,
         {}},
        {QStringLiteral("ventilationRelay"),
         PelionPlugin::tr("Relay 1: daily ventilation"),
         false,
         0,
         0,
         {}},
        {QStringLiteral("faultRelay"), PelionPlugin::tr("Relay 2: fault message"), true, 0, 0, {}},
        {QStringLiteral("notes"), PelionPlugin::tr("Notes"), QString(), 0, 0, {}},
    };
}

} // namespace

PelionPlugin::PelionPlugin() : DevicePlugin(pelionInfo(), pelionSettings())
{
    m_batteryCheck.setSingleShot(true);
    m_batteryCheck.setInterval(2500);
    connect(&m_batteryCheck, &QTimer::timeout, this, &PelionPlugin::finishBatteryCheck);
}

void PelionPlugin::deviceOpened()
{
    setLiveValue(QStringLiteral("battery"), QVariant());
    m_batteryCheck.start();
}

void PelionPlugin::deviceClosed()
{
    m_batteryCheck.stop();
}

void PelionPlugin::finishBatteryCheck()
{
    // Two 12 V lead batteries in series, nearly full.
    setLiveValue(QStringLiteral("battery"), QStringLiteral("26.8 V"));
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new PelionPlugin;
}
