#include "kastorplusplugin.h"

QString KastorPlusPlugin::startPlugin(bool isVireo, QQmlContext*)
{
    emit updateStatus(isVireo ? QStringLiteral("Kastor+ started in single-device mode")
                              : QStringLiteral("Kastor+ started"),
                      XEvents::STATUS_INFO_MESSAGE);
    return QStringLiteral("qrc:/kastorplus/StartOptions.qml");
}

QString KastorPlusPlugin::getPluginName(bool forDisplay) const
{
    return forDisplay ? QStringLiteral("Kastor+") : QStringLiteral("kastorplus");
}

void KastorPlusPlugin::openVirtualDevice()
{
    emit injectUi(QStringLiteral("qrc:/kastorplus/DeviceView.qml"), true);
    emit updateStatus(QStringLiteral("Virtual Kastor+ actuator opened"),
                      XEvents::STATUS_INFO_MESSAGE);
}

void KastorPlusPlugin::setOpeningWidth(int millimetres)
{
    if (millimetres < 50 || millimetres > 1000) {
        emit updateStatus(QStringLiteral("Opening width must lie between 50 and 1000 mm"),
                          XEvents::WARNING_MESSAGE);
        return;
    }
    m_changed = m_changed || millimetres != m_openingWidth;
    m_openingWidth = millimetres;
}

void KastorPlusPlugin::saveConfiguration()
{
    m_changed = false;
    emit updateStatus(
        QStringLiteral("Configuration saved (opening width %1 mm)").arg(m_openingWidth),
        XEvents::STATUS_INFO_MESSAGE);
    emit configurationSaved();
}

void KastorPlusPlugin::setCanId(int canId)
{
    if (canId == m_canId)
        return;
    m_canId = canId;
    emit canIdChanged();
}

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    return new KastorPlusPlugin;
}
