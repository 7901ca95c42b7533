#include "kastorplusplugin.h"

namespace {

DevicePluginInfo kastorPlusInfo()
{
    DevicePluginInfo info;
    info.appId = 12;
    info.name = QStringLiteral("kastorplus");
    info.displayName = QStringLiteral("Kastor+");
    info.version = QStringLiteral(PLUGIN_VERSION);
    info.buildNumber = QStringLiteral("7");
    info.buildDate = QStringLiteral("12.01.2024");
    info.fileExtension = QStringLiteral("kpc");
    info.fileKind = KastorPlusPlugin::tr("Kastor+ configuration");
    info.firmwareVersion = QStringLiteral("1.4.2");
    info.startOptionsUrl = QStringLiteral("qrc:/kastorplus/StartOptions.qml");
    info.deviceViewUrl = QStringLiteral("qrc:/kastorplus/DeviceView.qml");
    return info;
}

QList<DeviceSetting> kastorPlusSettings()
{
    return {
        {QStringLiteral("deviceName"),
         KastorPlusPlugin::tr("Device name"),
         KastorPlusPlugin::tr("Window drive"),
         0,
         0,
         {}},
        {QStringLiteral("openingWidth"), KastorPlusPlugin::tr("Opening width"), 300, 50, 1000,
         QStringLiteral("mm")},
        {QStringLiteral("runTime"), KastorPlusPlugin::tr("Run time"), 12.5, 1, 60,
         QStringLiteral("s")},
        {QStringLiteral("openingLimit"), KastorPlusPlugin::tr("Opening limit"), 100, 0, 100,
         QStringLiteral("%")},
        {QStringLiteral("closingForce"),
         KastorPlusPlugin::tr("Closing force (0 low, 2 high)"),
         1,
         0,
         2,
         {}},
        {QStringLiteral("directionReversed"),
         KastorPlusPlugin::tr("Direction reversed"),
         false,
         0,
         0,
         {}},
        {QStringLiteral("nightVentilation"),
         KastorPlusPlugin::tr("Night ventilation"),
         false,
         0,
         0,
         {}},
        {QStringLiteral("nightVentilationStart"),
         KastorPlusPlugin::tr("Night ventilation from"),
         QStringLiteral("22:00"),
         0,
         0,
         {}},
    };
}

} // namespace

KastorPlusPlugin::KastorPlusPlugin() : DevicePlugin(kastorPlusInfo(), kastorPlusSettings())
{
    m_positionReading.setInterval(1000);
    connect(&m_positionReading, &QTimer::timeout, this, &KastorPlusPlugin::moveWindow);
}

void KastorPlusPlugin::deviceOpened()
{
    m_positionReading.start();
}

void KastorPlusPlugin::deviceClosed()
{
    m_positionReading.stop();
}

void KastorPlusPlugin::moveWindow()
{
    // The window swings between closed and the opening limit, as on a windy day.
    const int limit = configuration().value(QStringLiteral("openingLimit")).toInt();
    const int position = liveValues().value(QStringLiteral("position"), 0).toInt();
    const int next = position + 10 > limit ? 0 : position + 10;
    setLiveValue(QStringLiteral("position"), next);
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new KastorPlusPlugin;
}
