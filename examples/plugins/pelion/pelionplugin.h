#pragma once

#include <QTimer>
#include <deviceplugin.h>

// A virtual Pelion smoke and heat exhaust control unit: its alarm, its relays and the battery
// that keeps it going through a power cut, checked when the device view opens.
class PelionPlugin : public DevicePlugin
{
    Q_OBJECT

public:
    PelionPlugin();

protected:
    void deviceOpened() override;
    void deviceClosed() override;

private:
    void finishBatteryCheck();

    QTimer m_batteryCheck;
};
