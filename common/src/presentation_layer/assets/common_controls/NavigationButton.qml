import QtQuick

// A button of a navigation bar: a vertical move waits a moment, then glides, so that a column
// of buttons moves one after another when each gets its own pause.
XImageButton {
    id: root

    property bool isActivated: false
    property real pauseFactor: 0.05
    property real animSpeedFactor: 1

    Behavior on y {
        SequentialAnimation {
            PauseAnimation {
                duration: animDuration.full * root.pauseFactor
            }
            NumberAnimation {
                duration: animDuration.full * root.animSpeedFactor
                easing.type: Easing.OutQuad
            }
        }
    }
}
