import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// A modal notice with one OK button that closes it.
Popup {
    id: root

    property string message: ""
    property alias okButton: okButton
    property string okText

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
            anchors.bottom: okButton.top
            width: parent.width - margin.ten
            text: root.message
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            wrapMode: Text.WordWrap
            elide: Text.ElideRight
        }

        XLabelButton {
            id: okButton

            objectName: "okButton"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: margin.three
            width: parent.width / 2 - margin.six
            buttonText: root.okText
            onButtonReleased: root.close()
        }
    }
}
