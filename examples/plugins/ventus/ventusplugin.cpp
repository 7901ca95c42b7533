#include "ventusplugin.h"

QString VentusPlugin::startPlugin(bool, QQmlContext*)
{
    return QStringLiteral("qrc:/ventus/StartOptions.qml");
}

QString VentusPlugin::getPluginName(bool forDisplay) const
{
    return forDisplay ? QStringLiteral("Ventus") : QStringLiteral("ventus");
}

void VentusPlugin::openVirtualStation()
{
    emit injectUi(QStringLiteral("qrc:/ventus/ThresholdView.qml"), true);
}

void VentusPlugin::setWindAlarm(double metresPerSecond)
{
    // The anemometer measures up to 40 m/s; below 2 m/s the windows would never stay open.
    if (metresPerSecond < 2.0 || metresPerSecond > 40.0) {
        emit updateStatus(QStringLiteral("Wind alarm must lie between 2 and 40 m/s"),
                          XEvents::HINT_MESSAGE);
        return;
    }
    m_windAlarm = metresPerSecond;
    emit thresholdsChanged();
}

void VentusPlugin::setRainAlarm(bool enabled)
{
    m_rainAlarm = enabled;
    emit thresholdsChanged();
    emit updateStatus(enabled ? QStringLiteral("Rain alarm on") : QStringLiteral("Rain alarm off"),
                      XEvents::STATUS_INFO_MESSAGE);
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new VentusPlugin;
}
