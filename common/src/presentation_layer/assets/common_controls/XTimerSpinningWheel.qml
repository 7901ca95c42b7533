import QtQuick

// A busy indicator that turns in steps while started and is hidden otherwise.
Image {
    id: root

    function start() {
        visible = true
        rotation += 20
        turnTimer.start()
    }

    function stop() {
        turnTimer.stop()
        visible = false
    }

    width: sizes.clickableSize
    height: sizes.clickableSize
    visible: false
    source: "qrc:/images/uielements/loading.png"
    fillMode: Image.PreserveAspectFit
    mipmap: true

    Timer {
        id: turnTimer

        interval: animDuration.full
        repeat: true
        onTriggered: root.rotation += 20
    }
}
