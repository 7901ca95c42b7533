import QtQuick

// Minimal status box: the strip at the bottom of the window, until the full box replaces it.
Rectangle {
    id: root

    property bool isShown: true
    property bool reduced: false

    objectName: "statusBox"
    color: globalColors.STATUSBOX
    radius: radii.ten
}
