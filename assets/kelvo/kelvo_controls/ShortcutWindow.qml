import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// The hidden settings entry: the key sequence opens a field whose text goes to the controller.
Item {
    id: root

    property string shortcutSequence

    Shortcut {
        sequence: root.shortcutSequence
        context: Qt.ApplicationShortcut
        onActivated: {
            popup.wanted = true
            popup.item.open()
        }
    }

    // Made when the key sequence is first used.
    LazyLoader {
        id: popup

        sourceComponent: Popup {
            id: settingsPopup

            objectName: "shortcutPopup"
            parent: T.Overlay.overlay
            anchors.centerIn: parent
            width: 500
            height: 200
            padding: 10
            modal: true
            closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
            onAboutToShow: settingsField.text = ""
            onOpened: settingsField.forceActiveFocus()

            Column {
                anchors.fill: parent
                spacing: 10

                Text {
                    width: parent.width
                    text: "Change settings \nchanges will take effect after a reboot"
                    color: globalColors.TITLE_COLOR
                    font.family: fonts.family
                    wrapMode: Text.Wrap
                }

                TextField {
                    id: settingsField

                    objectName: "settingsField"
                    width: parent.width
                    color: globalColors.TITLE_COLOR
                    background: Rectangle {
                        color: globalColors.CONTENT_BACKGROUND_COLOR
                        border.color: globalColors.DARKGREY
                    }
                    onEditingFinished: {
                        if (!settingsPopup.opened)
                            return
                        settingsPopup.close()
                        kelvo.changeSettings(text)
                    }
                }
            }
        }
    }
}
