import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// Asks whether unsaved changes should be saved: yes, no or cancel. Its user acts on the answer
// and closes it; `isExit` is the user's note of why it was opened.
Popup {
    id: root

    property bool isExit: false
    property string message
    property string headerText: ""
    property string yesButtonText
    property string noButtonText
    property string cancelButtonText

    signal yesReleased
    signal noReleased
    signal cancelReleased

    anchors.centerIn: T.Overlay.overlay
    width: 8 * sizes.clickableSize
    height: 4 * sizes.clickableSize
    padding: 0
    modal: true
    closePolicy: Popup.NoAutoClose
    onAboutToShow: content.active = true

    background: Rectangle {
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.width: margin.one
        border.color: globalColors.PRIMARY_NOTIFICATION_COLOR
    }

    // Made when the dialog is first shown: most runs never ask about unsaved changes.
    Loader {
        id: content

        anchors.fill: parent
        active: false
        sourceComponent: Item {
            anchors.fill: parent

            Image {
                id: icon

                x: margin.one
                y: margin.one
                width: sizes.clickableSize
                height: sizes.clickableSize
                source: "qrc:/images/icons/foldingbox/messages/warning/yellow.png"
                fillMode: Image.PreserveAspectFit
                mipmap: true
            }

            Text {
                objectName: "headerText"
                anchors.left: icon.right
                anchors.leftMargin: margin.two
                anchors.right: parent.right
                anchors.rightMargin: margin.two
                anchors.verticalCenter: icon.verticalCenter
                text: root.headerText
                color: globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                font.bold: true
                elide: Text.ElideRight
            }

            Text {
                objectName: "messageText"
                anchors.top: icon.bottom
                anchors.bottom: buttonRow.top
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.margins: margin.three
                text: root.message
                color: globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                wrapMode: Text.WordWrap
                elide: Text.ElideRight
            }

            Item {
                id: buttonRow

                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: margin.two
                width: parent.width - margin.six
                height: sizes.clickableSize

                XLabelButton {
                    objectName: "yesButton"
                    anchors.left: parent.left
                    width: parent.width / 3
                    buttonText: root.yesButtonText
                    onButtonReleased: root.yesReleased()
                }

                XLabelButton {
                    objectName: "noButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width / 3
                    buttonText: root.noButtonText
                    onButtonReleased: root.noReleased()
                }

                XLabelButton {
                    objectName: "cancelButton"
                    anchors.right: parent.right
                    width: parent.width / 3
                    buttonText: root.cancelButtonText
                    onButtonReleased: root.cancelReleased()
                }
            }
        }
    }
}
