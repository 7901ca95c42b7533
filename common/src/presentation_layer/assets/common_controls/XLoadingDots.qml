import QtQuick

// A label followed by dots that count up while something is loading: "", ".", "..", "...".
Item {
    id: root

    property string loadingDotsLabel
    readonly property alias running: stepTimer.running

    function start() {
        dots.phase = 0
        stepTimer.start()
    }

    function stop() {
        stepTimer.stop()
    }

    width: sizes.clickableSize
    height: sizes.clickableSize * 0.75

    Text {
        anchors.left: parent.left
        width: parent.width / 2
        height: parent.height
        text: root.loadingDotsLabel
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Text {
        id: dots

        property int phase: 0

        objectName: "loadingDots"
        anchors.right: parent.right
        width: parent.width / 2
        height: parent.height
        text: ".".repeat(phase)
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
    }

    Timer {
        id: stepTimer

        interval: animDuration.slow
        repeat: true
        onTriggered: dots.phase = (dots.phase + 1) % 4
    }
}
