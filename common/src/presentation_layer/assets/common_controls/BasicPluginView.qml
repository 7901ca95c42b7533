import QtQuick

// The base page of a plug-in's view. A real device's view shows the loading overlay until the
// plug-in has connected; the plug-in hides it again.
Rectangle {
    id: root

    property bool isVirtualDevice: false
    property var navBar
    property var controlPanel
    property alias loadDialog: loadDialog

    color: globalColors.CONTENT_BACKGROUND_COLOR

    // Starts in the folder used last (the documents folder the first time).
    XFileDialog {
        id: loadDialog

        fileMode: XFileDialog.OpenFile
        onAccepted: close()
        onRejected: close()
    }

    Component.onCompleted: {
        if (!isVirtualDevice)
            kelvo.showSplashScreen(true)
    }
}
