#pragma once

#include <QTimer>
#include <deviceplugin.h>

// A virtual Kastor+ chain actuator for windows: stroke, speed, closing force and night
// ventilation, and the window's position read live while the device view is open.
class KastorPlusPlugin : public DevicePlugin
{
    Q_OBJECT

public:
    KastorPlusPlugin();

protected:
    void deviceOpened() override;
    void deviceClosed() override;

private:
    void moveWindow();

    QTimer m_positionReading;
};
