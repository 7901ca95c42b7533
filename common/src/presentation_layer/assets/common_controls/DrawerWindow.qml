import QtQuick
import Qt5Compat.GraphicalEffects

// The rounded, shadowed panel of the slide-in drawers.
Rectangle {
    id: root

    clip: true
    color: globalColors.STATUSBOX
    radius: radii.ten
    // The software renderer cannot draw effects and would drop the whole panel with its shadow.
    layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
    layer.effect: DropShadow {
        verticalOffset: 5
        radius: 4
        samples: 9
        color: Qt.rgba(0, 0, 0, 0.3)
        transparentBorder: true
        cached: true
    }

    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.OutQuad
        }
    }

    // Clicks on the panel's free space must not reach the area around the drawer, which
    // closes it.
    MouseArea {
        anchors.fill: parent
    }
}
