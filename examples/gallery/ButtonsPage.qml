import QtQuick
import common.src.presentation_layer.assets.common_controls 1.0

// Buttons of every kind, each reporting the signals it emits.
Flickable {
    id: page

    signal report(string text)

    contentHeight: flow.height + 2 * margin.five
    clip: true

    Flow {
        id: flow

        x: margin.five
        y: margin.five
        width: page.width - 2 * margin.five
        spacing: margin.eight

        Specimen {
            title: "XLabelButton"

            Row {
                spacing: margin.two

                XLabelButton {
                    buttonText: "Save"
                    toolTipText: "Right-click for the context menu"
                    menuItems: ["Copy value", "Paste value"]
                    onButtonPressed: page.report("XLabelButton.buttonPressed()")
                    onButtonReleased: page.report("XLabelButton.buttonReleased()")
                    onContextMenuItemClicked: menuIndex => page.report(
                                                  "XLabelButton.contextMenuItemClicked("
                                                  + menuIndex + ")")
                }
                XLabelButton {
                    buttonText: "Disabled"
                    buttonEnabled: false
                }
                XLabelButton {
                    buttonText: "Own colour"
                    labelButtonColor: globalColors.PRIMARY_VENT_COLOR
                    onButtonReleased: page.report("XLabelButton (own colour).buttonReleased()")
                }
            }
        }

        Specimen {
            title: "XImageButton"

            Row {
                spacing: margin.four

                XImageButton {
                    imageSource: "qrc:/images/icons/button/info.png"
                    toolTipText: "A plain image button"
                    onButtonReleased: page.report("XImageButton.buttonReleased()")
                }
                XImageButton {
                    radius: 50
                    isSelectable: true
                    isSelected: true
                    imageSource: "qrc:/images/icons/lang/german.png"
                    toolTipText: "Selectable: stays selected"
                    onSelected: page.report("XImageButton (selectable).selected()")
                }
                XImageButton {
                    radius: 50
                    isSelectable: true
                    isDeselectable: true
                    imageSource: "qrc:/images/icons/lang/english.png"
                    toolTipText: "Selectable and deselectable"
                    onSelected: page.report("XImageButton (deselectable).selected()")
                    onDeselected: page.report("XImageButton (deselectable).deselected()")
                }
                XImageButton {
                    isIcon: false
                    radius: radii.ten
                    borderWidth: 1
                    borderColor: globalColors.DARKGREY
                    imageSource: "qrc:/images/icons/button/manual.png"
                    toolTipText: "Padded, with a frame"
                }
            }
        }

        Specimen {
            title: "XImageLabelButton"

            XImageLabelButton {
                imageSource: "qrc:/images/icons/button/download/white.png"
                buttonText: "Download"
                toolTipText: "Image and caption"
                buttonClick.onReleased: page.report("XImageLabelButton.buttonClick released")
            }
        }

        Specimen {
            title: "XSelectableLabelButton"

            Row {
                XSelectableLabelButton {
                    buttonText: "Info"
                    bitValue: 1
                    onStateChanged: page.report("XSelectableLabelButton Info: " + state)
                }
                XSelectableLabelButton {
                    buttonText: "Error"
                    bitValue: 2
                    state: "selected"
                    onStateChanged: page.report("XSelectableLabelButton Error: " + state)
                }
            }
        }

        Specimen {
            title: "AcceptButton, CancelButton, DeleteButton"

            Row {
                spacing: margin.four

                AcceptButton {
                    onButtonReleased: page.report("AcceptButton.buttonReleased()")
                }
                CancelButton {
                    onButtonReleased: page.report("CancelButton.buttonReleased()")
                }
                Rectangle {
                    width: sizes.clickableSize
                    height: sizes.clickableSize
                    radius: radii.ten
                    color: globalColors.STATUSBOX

                    CancelButton {
                        src: "qrc:/images/icons/button/cancel_white.png"
                        onButtonReleased: page.report("CancelButton (white).buttonReleased()")
                    }
                }
                DeleteButton {
                    toolTipText: "The bin opens under the pointer"
                    onButtonReleased: page.report("DeleteButton.buttonReleased()")
                }
            }
        }

        Specimen {
            title: "NavigationButton"

            Row {
                spacing: margin.four

                Item {
                    id: navigation

                    property bool lowered: false

                    width: sizes.clickableSize
                    height: 4 * sizes.clickableSize

                    Repeater {
                        model: ["qrc:/images/icons/foldingbox/configuration/blue.png",
                            "qrc:/images/icons/button/search.png",
                            "qrc:/images/icons/button/help.png"]

                        NavigationButton {
                            required property string modelData
                            required property int index

                            y: (navigation.lowered ? index + 1 : index) * sizes.clickableSize
                            pauseFactor: 0.05 + 0.5 * index
                            imageSource: modelData
                        }
                    }
                }
                XLabelButton {
                    anchors.verticalCenter: parent.verticalCenter
                    buttonText: "Move"
                    onButtonReleased: navigation.lowered = !navigation.lowered
                }
            }
        }

        Specimen {
            title: "XControlPanel (device, virtual device)"

            Column {
                spacing: margin.two

                Item {
                    width: sizes.clickableSize * 5 + margin.four
                    height: sizes.clickableSize

                    XControlPanel {
                        fileExtension: "kpc"
                        savingToHardwareSource: "qrc:/images/icons/button/download/enabled.png"
                        loadFromHardwareSource: "qrc:/images/icons/button/check_updates/blue.png"
                        savingToFileSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                        saveConfigurationHint: "Save to the device"
                        loadConfigurationHint: "Load from the device"
                        saveToFileHint: "Save to a file"
                        createReportHint: "Create a report"
                        onSaving: page.report("XControlPanel.saving()")
                        onLoading: page.report("XControlPanel.loading()")
                        onCreatingReport: page.report("XControlPanel.creatingReport()")
                    }
                }
                Item {
                    width: sizes.clickableSize * 5 + margin.four
                    height: sizes.clickableSize

                    XControlPanel {
                        isVirtualDevice: true
                        fileExtension: "kpc"
                        savingToFileSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                        onCreatingReport: page.report("XControlPanel (virtual).creatingReport()")
                    }
                }
            }
        }
    }
}
