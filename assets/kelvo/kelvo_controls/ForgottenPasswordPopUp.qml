import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// Minimal forgotten-password pop-up: the code shown and the code typed, until the full pop-up
// replaces it.
Popup {
    id: root

    property string customerCodeText
    property string salesCode: codeField.text
    property bool showError: false

    signal okReleased
    signal cancelReleased

    objectName: "forgottenPasswordPopUp"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    modal: true
    closePolicy: Popup.CloseOnEscape

    Column {
        spacing: margin.two

        Text {
            text: root.customerCodeText
            color: globalColors.TITLE_COLOR
        }
        TextField {
            id: codeField
        }
        Row {
            spacing: margin.two

            Button {
                text: "OK"
                onClicked: root.okReleased()
            }
            Button {
                text: "Cancel"
                onClicked: root.cancelReleased()
            }
        }
    }
}
