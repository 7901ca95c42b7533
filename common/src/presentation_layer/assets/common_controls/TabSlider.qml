import QtQuick

// The marker bar under the active navigation icon; it glides to the next one.
Rectangle {
    width: sizes.clickableSize * 0.4
    height: sizes.clickableSize * 0.08
    radius: 3 * radii.ten
    color: globalColors.PRIMARY

    Behavior on x {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    Behavior on color {
        ColorAnimation {
            duration: animDuration.full
        }
    }
}
