import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: mainWindow

    width: 1280
    height: 800
    visible: true
    title: appName
}
