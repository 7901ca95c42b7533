import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// The loading overlay: dims the window and blocks it while a turning wheel shows that the shell
// is busy. Only its user closes it.
Popup {
    id: root

    anchors.centerIn: T.Overlay.overlay
    width: sizes.clickableSize
    height: sizes.clickableSize
    padding: 0
    modal: true
    dim: true
    closePolicy: Popup.NoAutoClose
    background: null

    Image {
        id: wheel

        anchors.fill: parent
        source: "qrc:/images/uielements/loading.png"
        fillMode: Image.PreserveAspectFit
        mipmap: true
    }

    Timer {
        interval: animDuration.half
        repeat: true
        running: root.visible
        onTriggered: wheel.rotation += 20
    }
}
