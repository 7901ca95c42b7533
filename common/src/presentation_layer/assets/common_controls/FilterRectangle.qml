import QtQuick

// The transparent area around a drawer: a click on it reports `filterClicked`, and `hide()`
// slides the area with its drawer out of view above the window.
Rectangle {
    id: root

    signal filterClicked

    function hide() {
        // Compiled ahead of time, a plain assignment of undefined does not release the anchor
        // (it is taken for an anchor to no item); a reflective write resets it as intended.
        Reflect.set(anchors, "bottom", undefined)
        anchors.topMargin = -2 * height
    }

    color: globalColors.TRANSPARENT

    Behavior on anchors.topMargin {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
        }
    }

    MouseArea {
        anchors.fill: parent
        onReleased: mouse => {
            if (!contains(Qt.point(mouse.x, mouse.y)))
                return
            Qt.inputMethod.hide()
            root.filterClicked()
        }
    }
}
