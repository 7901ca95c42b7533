import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T

// The modal pop-up through which the shell shows messages. `popUpState` takes the message type
// values shared with the plug-ins (2 info, 3 hint, 4 warning, 5 error) and selects icon, header
// and frame; the buttons report their release and close the pop-up. What the OK and cancel
// actions mean is up to the user of the pop-up.
Popup {
    id: root

    property string message: ""
    property string infoText: ""
    property string warningText: ""
    property string hintText: ""
    property string errorText: ""
    property int popUpState: -1
    property int okAction: 0
    property int cancelAction: 1
    property string okButtonText
    property string cancelButtonText

    signal okReleased
    signal cancelReleased

    anchors.centerIn: T.Overlay.overlay
    width: 8 * sizes.clickableSize
    height: 6 * sizes.clickableSize
    padding: 0
    modal: true
    closePolicy: Popup.NoAutoClose
    onAboutToShow: content.active = true

    background: Rectangle {
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.width: margin.one
        border.color: content.item ? content.item.frameColor : globalColors.PRIMARY
    }

    // Made when the pop-up is first shown: the main window holds one pop-up from the start,
    // and most starts never show it.
    Loader {
        id: content

        anchors.fill: parent
        active: false
        sourceComponent: Item {
            id: face

            property color frameColor: globalColors.PRIMARY

            anchors.fill: parent
            state: ["", "", "info", "hint", "warning", "error"][root.popUpState] || ""

            states: [
                State {
                    name: "info"

                    PropertyChanges {
                        target: icon
                        source: "qrc:/images/icons/button/info.png"
                    }
                    PropertyChanges {
                        target: header
                        text: root.infoText
                    }
                    PropertyChanges {
                        target: okButton
                        x: (buttonRow.width - okButton.width) / 2
                    }
                },
                State {
                    name: "hint"

                    PropertyChanges {
                        target: icon
                        source: "qrc:/images/icons/foldingbox/messages/warning/yellow.png"
                    }
                    PropertyChanges {
                        target: header
                        text: root.hintText
                    }
                    PropertyChanges {
                        target: face
                        frameColor: globalColors.PRIMARY_NOTIFICATION_COLOR
                    }
                },
                State {
                    name: "warning"

                    PropertyChanges {
                        target: icon
                        source: "qrc:/images/icons/foldingbox/messages/warning/red.png"
                    }
                    PropertyChanges {
                        target: header
                        text: root.warningText
                    }
                    PropertyChanges {
                        target: face
                        frameColor: globalColors.PRIMARY_NOTIFICATION_COLOR
                    }
                },
                State {
                    name: "error"

                    PropertyChanges {
                        target: icon
                        source: "qrc:/images/icons/foldingbox/fail/red.png"
                    }
                    PropertyChanges {
                        target: header
                        text: root.errorText
                    }
                    PropertyChanges {
                        target: face
                        frameColor: globalColors.RED
                    }
                }
            ]

            Image {
                id: icon

                objectName: "messageIcon"
                x: margin.one
                y: margin.one
                width: sizes.clickableSize
                height: sizes.clickableSize
                fillMode: Image.PreserveAspectFit
                mipmap: true
            }

            Text {
                id: header

                objectName: "messageHeader"
                anchors.left: icon.right
                anchors.leftMargin: margin.two
                anchors.right: parent.right
                anchors.rightMargin: margin.two
                anchors.verticalCenter: icon.verticalCenter
                color: globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                font.bold: true
                elide: Text.ElideRight
            }

            ScrollView {
                anchors.top: icon.bottom
                anchors.topMargin: margin.five
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: buttonRow.top
                anchors.leftMargin: margin.three
                anchors.rightMargin: margin.three
                anchors.bottomMargin: margin.one

                TextArea {
                    objectName: "messageText"
                    text: root.message
                    readOnly: true
                    selectByMouse: true
                    selectByKeyboard: true
                    wrapMode: TextEdit.Wrap
                    color: globalColors.TITLE_COLOR
                    selectionColor: globalColors.SECONDARY
                    font.family: fonts.family
                    font.pointSize: fonts.five_pt
                    background: null
                }
            }

            Item {
                id: buttonRow

                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.leftMargin: margin.three
                anchors.rightMargin: margin.three
                anchors.bottomMargin: margin.three
                height: sizes.clickableSize

                XLabelButton {
                    id: okButton

                    objectName: "okButton"
                    width: parent.width / 2
                    height: parent.height
                    buttonText: root.okButtonText
                    onButtonReleased: {
                        root.close()
                        root.okReleased()
                    }
                }

                XLabelButton {
                    id: cancelButton

                    objectName: "cancelButton"
                    // A binding, not a state change: a state entered while the pop-up is closed
                    // would keep the closed pop-up's visibility as the value to return to.
                    visible: face.state !== "info"
                    anchors.right: parent.right
                    width: parent.width / 2
                    height: parent.height
                    buttonText: root.cancelButtonText
                    onButtonReleased: {
                        root.close()
                        root.cancelReleased()
                    }
                }
            }
        }
    }
}
