import QtQuick
import QtQuick.Window

// Minimal what's-new window, until the full window with its pages replaces it.
Window {
    width: 600
    height: 400
    title: appName + " " + versionnumber
    color: globalColors.CONTENT_BACKGROUND_COLOR

    Text {
        anchors.centerIn: parent
        text: appName + " " + versionnumber
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.eight_pt
    }
}
