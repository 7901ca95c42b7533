#include "ventusplugin.h"

namespace {

DevicePluginInfo ventusInfo()
{
    DevicePluginInfo info;
    info.appId = 21;
    info.name = QStringLiteral("ventus");
    info.displayName = QStringLiteral("Ventus");
    info.version = QStringLiteral(PLUGIN_VERSION);
    info.buildNumber = QStringLiteral("3");
    info.buildDate = QStringLiteral("01.12.2023");
    info.fileExtension = QStringLiteral("vws");
    info.fileKind = VentusPlugin::tr("Ventus configuration");
    info.firmwareVersion = QStringLiteral("1.0.0");
    info.hasWifi = true;
    info.startOptionsUrl = QStringLiteral("qrc:/ventus/StartOptions.qml");
    info.deviceViewUrl = QStringLiteral("qrc:/ventus/DeviceView.qml");
    return info;
}

QList<DeviceSetting> ventusSettings()
{
    return {
        {QStringLiteral("windAlarm"), VentusPlugin::tr("Wind alarm"), 15, 5, 40,
         QStringLiteral("m/s")},
        {QStringLiteral("windDirections"),
         VentusPlugin::tr("Wind directions (bits N to NW)"),
         255,
         0,
         255,
         {}},
        {QStringLiteral("rainAlarm"), VentusPlugin::tr("Rain alarm"), true, 0, 0, {}},
        {QStringLiteral("frostAlarm"), VentusPlugin::tr("Frost alarm below"), 3.0, -10, 10,
         QStringLiteral("°C")},
        {QStringLiteral("wifiSsid"),
         VentusPlugin::tr("Wi-Fi network"),
         QStringLiteral("ventus"),
         0,
         0,
         {}},
        {QStringLiteral("wifiPassword"), VentusPlugin::tr("Wi-Fi password"), QString(), 0, 0, {}},
    };
}

} // namespace

VentusPlugin::VentusPlugin() : DevicePlugin(ventusInfo(), ventusSettings())
{
    m_weather.setInterval(1500);
    connect(&m_weather, &QTimer::timeout, this, &VentusPlugin::measure);
}

void VentusPlugin::deviceOpened()
{
    m_weather.start();
}

void VentusPlugin::deviceClosed()
{
    m_weather.stop();
}

void VentusPlugin::measure()
{
    // A gusty afternoon: the wind comes and goes around 9 m/s, the air stays at 14 °C.
    static const double gusts[] = {8.2, 9.6, 11.4, 9.1, 7.5, 10.3};
    m_tick = (m_tick + 1) % 6;
    setLiveValue(QStringLiteral("windSpeed"), gusts[m_tick]);
    setLiveValue(QStringLiteral("temperature"), 14.0 + m_tick % 2 * 0.5);
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new VentusPlugin;
}
