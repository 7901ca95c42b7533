import QtQuick
import QtQuick.Controls
import QtTest

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        name: "PopUps"
        stage: stage

        function openPopUp(type, properties) {
            const popUp = make(type, properties)
            popUp.open()
            tryVerify(() => popUp.opened)
            return popUp
        }

        function test_contract_data() {
            return [{
                    tag: "MessagePopUp",
                    properties: {
                        message: "",
                        infoText: "",
                        warningText: "",
                        hintText: "",
                        errorText: "",
                        popUpState: undefined,
                        okAction: undefined,
                        cancelAction: undefined,
                        okButtonText: undefined,
                        cancelButtonText: undefined,
                        width: 8 * sizes.clickableSize,
                        height: 6 * sizes.clickableSize,
                        modal: true
                    },
                    signals: ["okReleased", "cancelReleased"]
                }, {
                    tag: "PopUpOk",
                    properties: {
                        message: "",
                        okButton: undefined,
                        okText: undefined,
                        modal: true
                    }
                }, {
                    tag: "PopUpOkAndCancel",
                    properties: {
                        message: "",
                        okButtonText: "",
                        cancelButtonText: "",
                        modal: true
                    },
                    signals: ["okReleased", "cancelReleased"]
                }, {
                    tag: "SaveDialog",
                    properties: {
                        isExit: false,
                        message: undefined,
                        headerText: "",
                        yesButtonText: undefined,
                        noButtonText: undefined,
                        cancelButtonText: undefined,
                        width: 8 * sizes.clickableSize,
                        height: 4 * sizes.clickableSize,
                        modal: true
                    },
                    signals: ["yesReleased", "noReleased", "cancelReleased"]
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        function test_messageLookByState_data() {
            const icons = "qrc:/images/icons/"
            return [{
                    tag: "info",
                    state: 2,
                    icon: icons + "button/info.png",
                    header: "Information",
                    border: globalColors.PRIMARY,
                    cancelShown: false
                }, {
                    tag: "hint",
                    state: 3,
                    icon: icons + "foldingbox/messages/warning/yellow.png",
                    header: "Hint",
                    border: globalColors.PRIMARY_NOTIFICATION_COLOR,
                    cancelShown: true
                }, {
                    tag: "warning",
                    state: 4,
                    icon: icons + "foldingbox/messages/warning/red.png",
                    header: "Warning",
                    border: globalColors.PRIMARY_NOTIFICATION_COLOR,
                    cancelShown: true
                }, {
                    tag: "error",
                    state: 5,
                    icon: icons + "foldingbox/fail/red.png",
                    header: "Error",
                    border: globalColors.RED,
                    cancelShown: true
                }, {
                    tag: "a status type has no look",
                    state: 0,
                    icon: "",
                    header: "",
                    border: globalColors.PRIMARY,
                    cancelShown: true
                }]
        }

        function test_messageLookByState(data) {
            const popUp = openPopUp("MessagePopUp", {
                                        "popUpState": data.state,
                                        "infoText": "Information",
                                        "hintText": "Hint",
                                        "warningText": "Warning",
                                        "errorText": "Error"
                                    })
            const content = popUp.contentItem
            compare(String(findChild(content, "messageIcon").source), data.icon)
            compare(findChild(content, "messageHeader").text, data.header)
            verify(Qt.colorEqual(popUp.background.border.color, data.border))
            const ok = findChild(content, "okButton")
            const cancel = findChild(content, "cancelButton")
            tryCompare(cancel, "visible", data.cancelShown)
            verify(ok.visible)
            if (data.cancelShown) {
                verify(ok.x + ok.width <= cancel.x + 1)
            } else {
                fuzzyCompare(ok.x + ok.width / 2, ok.parent.width / 2, 1)
            }
        }

        function test_messageButtonsReportAndClose_data() {
            return [{
                    tag: "OK",
                    button: "okButton",
                    signalName: "okReleased"
                }, {
                    tag: "cancel",
                    button: "cancelButton",
                    signalName: "cancelReleased"
                }]
        }

        function test_messageButtonsReportAndClose(data) {
            const popUp = openPopUp("MessagePopUp", {
                                        "popUpState": 4
                                    })
            const released = spy(popUp, data.signalName)
            mouseClick(findChild(popUp.contentItem, data.button))
            compare(released.count, 1)
            tryVerify(() => !popUp.visible)
        }

        // PopUpOk closes itself; the others leave closing to their user.
        function test_popUpButtons_data() {
            return [{
                    tag: "PopUpOk ok",
                    type: "PopUpOk",
                    button: "okButton",
                    signalName: "",
                    closes: true
                }, {
                    tag: "PopUpOkAndCancel ok",
                    type: "PopUpOkAndCancel",
                    button: "okButton",
                    signalName: "okReleased",
                    closes: false
                }, {
                    tag: "PopUpOkAndCancel cancel",
                    type: "PopUpOkAndCancel",
                    button: "cancelButton",
                    signalName: "cancelReleased",
                    closes: false
                }, {
                    tag: "SaveDialog yes",
                    type: "SaveDialog",
                    button: "yesButton",
                    signalName: "yesReleased",
                    closes: false
                }, {
                    tag: "SaveDialog no",
                    type: "SaveDialog",
                    button: "noButton",
                    signalName: "noReleased",
                    closes: false
                }, {
                    tag: "SaveDialog cancel",
                    type: "SaveDialog",
                    button: "cancelButton",
                    signalName: "cancelReleased",
                    closes: false
                }]
        }

        function test_popUpButtons(data) {
            const popUp = openPopUp(data.type)
            const released = data.signalName ? spy(popUp, data.signalName) : null
            mouseClick(findChild(popUp.contentItem, data.button))
            if (released)
                compare(released.count, 1)
            if (data.closes)
                tryVerify(() => !popUp.visible)
            else
                verify(popUp.opened)
        }

        // Only their own buttons (or their user) close these pop-ups.
        function test_modalPopUpsResistEscapeAndOutsideClicks_data() {
            return [{
                    tag: "XLoadingScreen"
                }, {
                    tag: "MessagePopUp"
                }, {
                    tag: "PopUpOk"
                }, {
                    tag: "PopUpOkAndCancel"
                }, {
                    tag: "SaveDialog"
                }]
        }

        function test_modalPopUpsResistEscapeAndOutsideClicks(data) {
            const popUp = openPopUp(data.tag)
            keyClick(Qt.Key_Escape)
            mouseClick(stage, 2, 2)
            verify(popUp.opened)
        }
    }
}
