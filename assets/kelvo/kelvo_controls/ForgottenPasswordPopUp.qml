import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import KelvoStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// Unlocks a device whose password is lost: the user reads the key to support and types the
// unlock code support reads back. The main window checks the code.
Popup {
    id: root

    property string customerCodeText
    // The unlock code as typed, and whether the error line of a wrong code shows.
    property string salesCode
    property bool showError: false

    signal okReleased
    signal cancelReleased

    objectName: "forgottenPasswordPopUp"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: sizes.clickableSize * 8
    height: sizes.clickableSize * 5
    padding: margin.two
    modal: true
    focus: true
    closePolicy: Popup.NoAutoClose
    onOpened: content.item.focusInput()

    background: Rectangle {
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: globalColors.DARKGREY
        radius: radii.ten
    }

    // The content is made when the pop-up is first opened.
    LazyLoader {
        id: content

        anchors.fill: parent
        wanted: root.visible
        sourceComponent: Item {
            function focusInput() {
                codeInput.forceActiveFocus()
            }

            Component.onCompleted: codeInput.text = root.salesCode

            Connections {
                target: root

                function onSalesCodeChanged() {
                    if (codeInput.text !== root.salesCode)
                        codeInput.text = root.salesCode
                }
            }

            Column {
                id: column

                width: parent.width
                spacing: margin.two

                PopUpText {
                    text: kelvo.getTranslation(KelvoStringKeys.TXT_GENERATE_MASTER_PASSWORD)
                    font.pointSize: fonts.eight_pt
                }
                PopUpText {
                    text: kelvo.getTranslation(KelvoStringKeys.TXT_CUSTOMER_CODE_NOTICE_1)
                }
                TextEdit {
                    objectName: "customerCode"
                    width: parent.width
                    readOnly: true
                    selectByMouse: true
                    text: kelvo.getTranslation(KelvoStringKeys.TXT_KEY) + ": " + root.customerCodeText
                    color: globalColors.TITLE_COLOR
                    selectionColor: globalColors.SECONDARY
                    font.bold: true
                    font.family: fonts.family
                    font.pointSize: fonts.five_pt
                }
                PopUpText {
                    text: kelvo.getTranslation(KelvoStringKeys.TXT_CUSTOMER_CODE_NOTICE_2)
                }
                Row {
                    spacing: margin.two

                    PopUpText {
                        id: codeLabel

                        width: implicitWidth
                        height: codeField.height
                        verticalAlignment: Text.AlignVCenter
                        text: kelvo.getTranslation(KelvoStringKeys.TXT_UNLOCK_CODE) + ": "
                        font.bold: true
                    }
                    Rectangle {
                        id: codeField

                        width: 2 * sizes.doubleClickableSize
                        height: sizes.rangeMonthButtonHeight
                        color: globalColors.CONTENT_BACKGROUND_COLOR
                        border.color: codeInput.activeFocus ? globalColors.PRIMARY
                                                            : globalColors.DARKGREY

                        TextInput {
                            id: codeInput

                            objectName: "unlockCodeInput"
                            anchors.fill: parent
                            anchors.leftMargin: margin.two
                            anchors.rightMargin: margin.two
                            verticalAlignment: TextInput.AlignVCenter
                            clip: true
                            selectByMouse: true
                            wrapMode: TextInput.NoWrap
                            maximumLength: 5
                            validator: RegularExpressionValidator {
                                regularExpression: /[0-9a-zA-Z]{1,5}/
                            }
                            color: globalColors.TITLE_COLOR
                            selectionColor: globalColors.SECONDARY
                            font.family: fonts.family
                            font.pointSize: fonts.five_pt
                            font.capitalization: Font.AllUppercase
                            // Unlock codes are capitals and digits: what is checked is what is shown.
                            onTextChanged: {
                                if (text !== text.toUpperCase())
                                    text = text.toUpperCase()
                                else
                                    root.salesCode = text
                            }
                            onAccepted: {
                                Qt.inputMethod.hide()
                                root.okReleased()
                            }
                        }
                    }
                }
                PopUpText {
                    id: errorLine

                    objectName: "passwordError"
                    visible: root.showError
                    text: kelvo.getTranslation(KelvoStringKeys.TXT_MASTERPASSWORD_ERROR)
                    color: globalColors.RED
                    font.bold: true
                }
            }

            Row {
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                spacing: margin.two

                CancelButton {
                    objectName: "cancelButton"
                    onButtonReleased: root.cancelReleased()
                }
                AcceptButton {
                    objectName: "okButton"
                    onButtonReleased: root.okReleased()
                }
            }
        }
    }

    component PopUpText: Text {
        width: parent ? parent.width : 0
        wrapMode: Text.WordWrap
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
    }
}
