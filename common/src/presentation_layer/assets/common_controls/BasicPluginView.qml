import QtQuick
import QtQuick.Dialogs
import QtCore

// The base page of a plug-in's view. A real device's view shows the loading overlay until the
// plug-in has connected; the plug-in hides it again.
Rectangle {
    id: root

    property bool isVirtualDevice: false
    property var navBar
    property var controlPanel
    property alias loadDialog: loadDialog

    color: globalColors.CONTENT_BACKGROUND_COLOR

    FileDialog {
        id: loadDialog

        fileMode: FileDialog.OpenFile
        currentFolder: StandardPaths.writableLocation(StandardPaths.DocumentsLocation)
        onAccepted: close()
        onRejected: close()
    }

    Component.onCompleted: {
        if (!isVirtualDevice)
            kelvo.showSplashScreen(true)
    }
}
