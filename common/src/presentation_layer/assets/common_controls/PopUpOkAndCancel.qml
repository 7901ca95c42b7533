import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// A modal question with OK and cancel; its user decides what each means and closes it.
Popup {
    id: root

    property string message: ""
    property string okButtonText: ""
    property string cancelButtonText: ""

    signal okReleased
    signal cancelReleased

    anchors.centerIn: T.Overlay.overlay
    width: 8 * sizes.clickableSize
    height: 4 * sizes.clickableSize
    padding: 0
    modal: true
    closePolicy: Popup.NoAutoClose

    background: Rectangle {
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.width: margin.one
        border.color: globalColors.PRIMARY
    }

    Item {
        anchors.fill: parent

        Text {
            objectName: "messageText"
            anchors.top: parent.top
            anchors.topMargin: margin.five
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: buttonRow.top
            width: parent.width - margin.ten
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
            anchors.bottomMargin: margin.three
            width: parent.width - margin.six
            height: sizes.clickableSize

            XLabelButton {
                objectName: "okButton"
                anchors.left: parent.left
                width: parent.width / 2
                buttonText: root.okButtonText
                onButtonReleased: root.okReleased()
            }

            XLabelButton {
                objectName: "cancelButton"
                anchors.right: parent.right
                width: parent.width / 2
                buttonText: root.cancelButtonText
                onButtonReleased: root.cancelReleased()
            }
        }
    }
}
