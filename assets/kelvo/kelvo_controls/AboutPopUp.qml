import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// Minimal about pop-up: name and version, until the full pop-up with the licences replaces it.
Popup {
    id: root

    objectName: "aboutPopUp"
    parent: T.Overlay.overlay
    x: parent ? parent.width - width - margin.two : 0
    y: sizes.clickableSize
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    Text {
        text: appName + " " + versionnumber + "\n" + copyright
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
    }
}
