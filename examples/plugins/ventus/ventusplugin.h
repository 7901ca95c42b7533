#pragma once

#include <QTimer>
#include <deviceplugin.h>

// A virtual Ventus weather station: the wind and rain alarms that close the windows, the frost
// alarm, its Wi-Fi, and the weather it measures, read live while the device view is open.
class VentusPlugin : public DevicePlugin
{
    Q_OBJECT

public:
    VentusPlugin();

protected:
    void deviceOpened() override;
    void deviceClosed() override;

private:
    void measure();

    QTimer m_weather;
    int m_tick = 0;
};
