import QtQuick
import QtTest

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        id: testCase

        name: "Buttons"
        stage: stage

        Component {
            id: coverSheetComponent

            Item {
                anchors.top: parent.top
                width: 200
                height: 100
            }
        }

        function test_contract_data() {
            const imageButtonSignals = ["buttonReleased", "buttonPressed", "buttonEntered",
                                        "buttonExited", "selected", "deselected",
                                        "contextMenuItemClicked"]
            const imageButton = {
                isSelected: false,
                isSelectable: false,
                isDeselectable: false,
                isIcon: true,
                overlayBrightness: -0.2,
                borderWidth: 0,
                buttonPadding: 0,
                borderColor: {color: "transparent"},
                buttonEnabled: true,
                buttonHoverEnabled: false,
                buttonClick: undefined,
                imageSource: "",
                menuItems: [],
                toolTipText: "",
                asynchImageLoading: true,
                width: sizes.clickableSize,
                height: sizes.clickableSize
            }
            return [{
                    tag: "XLabelButton",
                    properties: {
                        labelButtonColor: {color: globalColors.BUTTON_COLOR},
                        buttonEnabled: true,
                        buttonText: "",
                        buttonFont: fonts.five_pt,
                        toolTipText: "",
                        menuItems: [],
                        height: sizes.clickableSize
                    },
                    signals: ["buttonReleased", "buttonPressed", "buttonEntered", "buttonExited",
                        "contextMenuItemClicked"]
                }, {
                    tag: "XImageButton",
                    properties: imageButton,
                    signals: imageButtonSignals,
                    functions: ["deselect"]
                }, {
                    tag: "XImageButton",
                    name: "XImageButton, not an icon",
                    setup: {isIcon: false},
                    properties: {buttonPadding: margin.defaultPadding}
                }, {
                    tag: "XImageLabelButton",
                    properties: {
                        buttonPadding: margin.defaultPadding,
                        overlayBrightness: -0.2,
                        imageSource: "",
                        buttonText: "",
                        toolTipText: "",
                        buttonClick: undefined,
                        buttonLabel: undefined
                    }
                }, {
                    tag: "XSelectableLabelButton",
                    properties: {
                        borderColor: {color: globalColors.SECONDARY},
                        deselectedLabelColor: {color: globalColors.DARKGREY},
                        selectedLabelColor: {color: globalColors.SELECTED_TEXT_COLOR},
                        selectedColor: {color: globalColors.SECONDARY},
                        bitValue: 0,
                        buttonText: "",
                        buttonRadius: undefined,
                        state: "deselected"
                    }
                }, {
                    tag: "AcceptButton",
                    properties: Object.assign({}, imageButton, {
                                                  radius: 50,
                                                  imageSource: "qrc:/images/icons/button/ok/circular.png"
                                              }),
                    signals: imageButtonSignals,
                    functions: ["deselect"]
                }, {
                    tag: "CancelButton",
                    properties: Object.assign({}, imageButton, {
                                                  radius: 50,
                                                  src: "qrc:/images/icons/button/cancel.png",
                                                  imageSource: "qrc:/images/icons/button/cancel.png"
                                              }),
                    signals: imageButtonSignals,
                    functions: ["deselect"]
                }, {
                    tag: "DeleteButton",
                    properties: Object.assign({}, imageButton, {
                                                  buttonHoverEnabled: true,
                                                  closeImageSource: "qrc:/images/icons/button/delete/enabled.png",
                                                  openImageSource: "qrc:/images/icons/button/delete/open.png",
                                                  imageSource: "qrc:/images/icons/button/delete/enabled.png"
                                              }),
                    signals: imageButtonSignals,
                    functions: ["deselect"]
                }, {
                    tag: "NavigationButton",
                    properties: Object.assign({}, imageButton, {
                                                  isActivated: false,
                                                  pauseFactor: 0.05,
                                                  animSpeedFactor: 1
                                              }),
                    signals: imageButtonSignals,
                    functions: ["deselect"]
                }, {
                    tag: "XControlPanel",
                    properties: {
                        isVirtualDevice: false,
                        fileExtension: "",
                        coverSheetInput: undefined,
                        saveConfiguration: undefined,
                        loadConfiguration: undefined,
                        saveToFile: undefined,
                        createReport: undefined,
                        savingToFileSource: "",
                        savingToHardwareSource: "",
                        loadFromHardwareSource: "",
                        saveConfigurationHint: "",
                        loadConfigurationHint: "",
                        saveToFileHint: "",
                        createReportHint: "",
                        width: 5 * sizes.clickableSize + margin.four,
                        height: sizes.clickableSize
                    },
                    signals: ["saving", "loading", "creatingReport"]
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        // Releasing outside a button is how a user takes a press back.
        function test_releaseOutsideDoesNotCount_data() {
            return [{
                    tag: "XLabelButton, released inside",
                    type: "XLabelButton",
                    inside: true
                }, {
                    tag: "XLabelButton, released outside",
                    type: "XLabelButton",
                    inside: false
                }, {
                    tag: "XImageButton, released inside",
                    type: "XImageButton",
                    inside: true
                }, {
                    tag: "XImageButton, released outside",
                    type: "XImageButton",
                    inside: false
                }]
        }

        function test_releaseOutsideDoesNotCount(data) {
            const button = make(data.type, {
                                    "x": 100,
                                    "y": 100
                                })
            const pressed = spy(button, "buttonPressed")
            const released = spy(button, "buttonReleased")
            const releaseX = data.inside ? button.width / 2 : button.width + 40
            mousePress(button, button.width / 2, button.height / 2)
            mouseMove(button, releaseX, button.height / 2)
            mouseRelease(button, releaseX, button.height / 2)
            compare(pressed.count, 1)
            compare(released.count, data.inside ? 1 : 0)
        }

        function test_rightButtonOpensTheContextMenu_data() {
            return [{
                    tag: "XLabelButton"
                }, {
                    tag: "XImageButton"
                }]
        }

        function test_rightButtonOpensTheContextMenu(data) {
            const button = make(data.tag, {
                                    "x": 100,
                                    "y": 100,
                                    "menuItems": ["Copy", "Paste"]
                                })
            const pressed = spy(button, "buttonPressed")
            const released = spy(button, "buttonReleased")
            const chosen = spy(button, "contextMenuItemClicked")
            mouseClick(button, button.width / 2, button.height / 2, Qt.RightButton)
            const menu = findChild(button, "contextMenu")
            tryVerify(() => menu.opened)
            compare(pressed.count + released.count, 0)
            const paste = menu.itemAt(1)
            tryVerify(() => paste.y > 0, 1000, "the menu lays out its items")
            mouseClick(paste)
            compare(chosen.count, 1)
            compare(chosen.signalArguments[0][0], 1)
        }

        // Pressing darkens (or, with a positive overlay, lightens) the image; releasing fades
        // it back, unless the press selected the button.
        function test_pressFeedback_data() {
            return [{
                    tag: "plain",
                    type: "XImageButton",
                    selectable: false,
                    staysDark: false
                }, {
                    tag: "selectable",
                    type: "XImageButton",
                    selectable: true,
                    staysDark: true
                }, {
                    tag: "image and label",
                    type: "XImageLabelButton",
                    staysDark: false
                }]
        }

        function test_pressFeedback(data) {
            const properties = {
                "x": 100,
                "y": 100,
                "imageSource": "qrc:/images/icons/button/info.png"
            }
            if (data.selectable)
                properties.isSelectable = true
            const button = make(data.type, properties)
            const feedback = findChild(button, "pressFeedback")
            verify(!feedback.visible)
            mousePress(button, button.height / 2, button.height / 2)
            verify(feedback.visible)
            fuzzyCompare(feedback.brightness, -0.2, 1e-6)
            mouseRelease(button, button.height / 2, button.height / 2)
            if (data.staysDark) {
                verify(feedback.visible)
            } else {
                tryCompare(feedback, "visible", false, 4 * animDuration.full)
                compare(feedback.brightness, 0)
            }
        }

        function test_selection_data() {
            return [{
                    tag: "plain, pressed twice",
                    selectable: false,
                    deselectable: false,
                    presses: 2,
                    isSelected: false,
                    selected: 0,
                    deselected: 0
                }, {
                    tag: "selectable, pressed twice",
                    selectable: true,
                    deselectable: false,
                    presses: 2,
                    isSelected: true,
                    selected: 1,
                    deselected: 0
                }, {
                    tag: "deselectable, pressed once",
                    selectable: true,
                    deselectable: true,
                    presses: 1,
                    isSelected: true,
                    selected: 1,
                    deselected: 0
                }, {
                    tag: "deselectable, pressed twice",
                    selectable: true,
                    deselectable: true,
                    presses: 2,
                    isSelected: false,
                    selected: 1,
                    deselected: 1
                }]
        }

        function test_selection(data) {
            const button = make("XImageButton", {
                                    "x": 100,
                                    "y": 100,
                                    "isSelectable": data.selectable,
                                    "isDeselectable": data.deselectable
                                })
            const selected = spy(button, "selected")
            const deselected = spy(button, "deselected")
            const released = spy(button, "buttonReleased")
            for (let press = 0; press < data.presses; ++press)
                mouseClick(button)
            compare(button.isSelected, data.isSelected)
            compare(selected.count, data.selected)
            compare(deselected.count, data.deselected)
            compare(released.count, data.presses)
        }

        // Deselecting a button from code (another button of a group was chosen) is no user action.
        function test_deselectAwayFromThePointerIsSilent() {
            const button = make("XImageButton", {
                                    "x": 100,
                                    "y": 100,
                                    "isSelectable": true
                                })
            mouseClick(button)
            verify(button.isSelected)
            mouseMove(stage, 1, 1)
            const deselected = spy(button, "deselected")
            button.deselect()
            verify(!button.isSelected)
            compare(deselected.count, 0)
        }

        function test_selectableLabelButtonFlips() {
            const button = make("XSelectableLabelButton", {
                                    "x": 100,
                                    "y": 100
                                })
            mouseClick(button)
            compare(button.state, "selected")
            mousePress(button, button.width / 2, button.height / 2)
            mouseMove(button, button.width + 40, button.height / 2)
            mouseRelease(button, button.width + 40, button.height / 2)
            compare(button.state, "selected")
            mouseClick(button)
            compare(button.state, "deselected")
        }

        function test_deleteButtonOpensUnderThePointer() {
            const button = make("DeleteButton", {
                                    "x": 100,
                                    "y": 100
                                })
            mouseMove(button, button.width / 2, button.height / 2)
            tryCompare(button, "imageSource", Qt.resolvedUrl(button.openImageSource))
            mouseMove(stage, 1, 1)
            tryCompare(button, "imageSource", Qt.resolvedUrl(button.closeImageSource))
        }

        function test_controlPanelButtons_data() {
            return [{
                    tag: "save",
                    signalName: "saving"
                }, {
                    tag: "load",
                    signalName: "loading"
                }, {
                    tag: "createReport",
                    signalName: "creatingReport"
                }]
        }

        function test_controlPanelButtons(data) {
            const panel = make("XControlPanel", {
                                   "y": 100
                               })
            const emitted = spy(panel, data.signalName)
            mouseClick(findChild(panel, data.tag))
            compare(emitted.count, 1)
        }

        function test_controlPanelSavesToFile_data() {
            return [{
                    tag: "desktop: the shell's file dialog",
                    mobile: false
                }, {
                    tag: "mobile: the plug-in saves without a dialog",
                    mobile: true
                }]
        }

        function test_controlPanelSavesToFile(data) {
            kelvo.isMobile = data.mobile
            const panel = make("XControlPanel", {
                                   "y": 100,
                                   "fileExtension": "kpc"
                               })
            const dialog = spy(kelvo, "openFileDialog")
            const saved = spy(plugin, "configurationSavedToFile")
            mouseClick(findChild(panel, "saveToFile"))
            if (data.mobile) {
                compare(dialog.count, 0)
                compare(saved.count, 1)
                compare(saved.signalArguments[0][0], "")
                compare(saved.signalArguments[0][1], false)
            } else {
                compare(saved.count, 0)
                compare(dialog.count, 1)
                compare(dialog.signalArguments[0][0], true)
                compare(dialog.signalArguments[0][1], false)
                compare(String(dialog.signalArguments[0][2]), "kpc(*.kpc)")
            }
        }

        function test_controlPanelSlidesTheCoverSheet() {
            const panel = make("XControlPanel", {
                                   "y": 100
                               })
            const sheet = createTemporaryObject(coverSheetComponent, stage)
            sheet.anchors.topMargin = -200
            panel.coverSheetInput = sheet
            const createReport = findChild(panel, "createReport")
            mouseClick(createReport)
            fuzzyCompare(sheet.anchors.topMargin, s, 1e-6)
            mouseClick(createReport)
            compare(sheet.anchors.topMargin, -200)
        }

        function test_virtualDeviceHasNoHardwareButtons() {
            const panel = make("XControlPanel", {
                                   "y": 100,
                                   "isVirtualDevice": true
                               })
            fuzzyCompare(panel.width, 3 * s + margin.four, 1e-6)
            for (const name of ["save", "load"]) {
                const button = findChild(panel, name)
                tryCompare(button, "visible", false)
                verify(!button.buttonEnabled)
            }
            panel.isVirtualDevice = false
            fuzzyCompare(panel.width, 5 * s + margin.four, 1e-6)
            tryCompare(findChild(panel, "save"), "visible", true)
            verify(findChild(panel, "load").buttonEnabled)
        }
    }

}
