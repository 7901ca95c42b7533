import QtQuick
import common.src.presentation_layer.assets.common_controls 1.0

// The value editors, each reporting the values it emits.
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
            title: "XSpinBox"

            Column {
                XSpinBox {
                    width: 7 * sizes.clickableSize
                    spinBoxText: "Opening width"
                    spinBoxUnit: "mm"
                    spinBoxMaxValue: 2500
                    spinBoxValue: 1250
                    toolTipText: "Right-click the name for the context menu"
                    menuItems: ["Copy value", "Reset"]
                    onValueChanged: value => page.report("XSpinBox.valueChanged(" + value + ")")
                    onContextMenuItemClicked: menuIndex => page.report(
                                                  "XSpinBox.contextMenuItemClicked(" + menuIndex + ")")
                }
                XSpinBox {
                    width: 7 * sizes.clickableSize
                    spinBoxText: "Run time, one decimal"
                    spinBoxUnit: "s"
                    decimals: 1
                    spinBoxMinValue: 0.5
                    spinBoxMaxValue: 10
                    spinBoxValue: 25
                    spinBoxColor: globalColors.PRIMARY_VENT_COLOR
                    onValueChanged: value => page.report("XSpinBox (decimals 1).valueChanged(" + value + ")")
                }
                XSpinBox {
                    width: 7 * sizes.clickableSize
                    isDeletableSpinBox: true
                    spinBoxText: "Deletable"
                    spinBoxValue: 40
                    onDeleteSpinBox: page.report("XSpinBox.deleteSpinBox()")
                }
                XSpinBox {
                    width: 7 * sizes.clickableSize
                    spinBoxText: "Disabled"
                    enable: false
                }
            }
        }

        Specimen {
            title: "XTimeSpinBox (24 h, 12 h)"

            Row {
                spacing: margin.four

                XTimeSpinBox {
                    timeSpinBoxName: "Night ventilation from"
                    onValueChanged: page.report("XTimeSpinBox.valueChanged(): "
                                                + timeSpinBoxHourTextInput.text + ":"
                                                + timeSpinBoxMinuteTextInput.text)
                    Component.onCompleted: {
                        timeSpinBoxHourTextInput.text = "22"
                        timeSpinBoxMinuteTextInput.text = "30"
                    }
                }
                XTimeSpinBox {
                    timeSpinBoxName: "12-hour clock"
                    timeSpinBoxHourMinValue: 1
                    timeSpinBoxHourMaxValue: 12
                    buttonColor: globalColors.PRIMARY_SHEV_COLOR
                    Component.onCompleted: timeSpinBoxHourTextInput.text = "7"
                }
            }
        }

        Specimen {
            title: "XToggleButton"

            Column {
                XToggleButton {
                    toggleButtonTitle: "Rain sensor"
                    toggleButtonName: "Closes windows"
                    firstOptionName: "On"
                    secondOptionName: "Off"
                    toolTipText: "Windows close when it rains"
                    toolTipTextSecondOption: "Rain is ignored"
                    menuItems: ["Copy value"]
                    onValueChanged: value => page.report("XToggleButton.valueChanged(" + value + ")")
                    onContextMenuItemClicked: (menuIndex, value) => page.report(
                                                  "XToggleButton.contextMenuItemClicked(" + menuIndex
                                                  + ", " + value + ")")
                }
                XToggleButton {
                    toggleButtonName: "Values 3 and 7"
                    firstOptionName: "3"
                    secondOptionName: "7"
                    firstToggleValue: 3
                    secondToggleValue: 7
                    toggleActivated: true
                    toggleButtonColor: globalColors.PRIMARY_VENT_COLOR
                    onValueChanged: value => page.report("XToggleButton (3/7).valueChanged(" + value + ")")
                }
                XToggleButton {
                    id: disabledToggle

                    toggleButtonName: "Disabled"
                    firstOptionName: "Auto"
                    secondOptionName: "Manual"
                    Component.onCompleted: disabledToggle.enable(false)
                }
            }
        }

        Specimen {
            title: "XMultipleToggleButton"

            XMultipleToggleButton {
                toggleButtonText: "Operating mode"
                toolTipText: "How the drive reacts to a command"
                menuItems: ["Copy value"]
                options: ListModel {
                    ListElement {
                        text: "Automatic"
                        value: 0
                        hint: "Follows the sensors"
                    }
                    ListElement {
                        text: "Manual"
                        value: 1
                    }
                    ListElement {
                        text: "Service"
                        value: 2
                        hint: "Ignores every command"
                    }
                }
                onValueChanged: page.report("XMultipleToggleButton.valueChanged(), getValue() = "
                                            + getValue())
                onContextMenuItemClicked: menuIndex => page.report(
                                              "XMultipleToggleButton.contextMenuItemClicked("
                                              + menuIndex + ")")
            }
        }

        Specimen {
            title: "XHorizontalMultipleToggleButton"

            XHorizontalMultipleToggleButton {
                toggleButtonName: "Speed"
                toolTipText: "Drive speed"
                onSelectedItemChanged: page.report("XHorizontalMultipleToggleButton.selectedItem = "
                                                   + selectedItem)
                Component.onCompleted: {
                    options.append({"text": "Slow", "value": 1})
                    options.append({"text": "Normal", "value": 2, "hint": "Recommended"})
                    options.append({"text": "Fast", "value": 3})
                    selectByValue(2)
                }
            }
        }

        Specimen {
            title: "XSlider with XSliderMiddleLine"

            XSlider {
                sliderName: "Opening limit"
                toolTipText: "The share of the full stroke"
                sliderValue: 70
                onValueOfSliderChanged: value => page.report("XSlider.valueOfSliderChanged(" + value + ")")
            }
        }

        Specimen {
            title: "WindRose"

            WindRose {
                width: 5 * sizes.clickableSize
                defaultHeight: 5 * sizes.clickableSize
                directionBits: 0x05
                toolTipText: "Directions that close the windows"
                menuItems: ["All", "None"]
                onWindDirectionChanged: values => page.report("WindRose.windDirectionChanged(0x"
                                                              + values.toString(16) + ")")
                onContextMenuItemClicked: menuIndex => directionBits = menuIndex === 0 ? 0xFF : 0
            }
        }

        Specimen {
            title: "XSuperCheckBox (plain, vent command, badges)"

            Row {
                spacing: margin.two

                XSuperCheckBox {
                    checked: true
                    onCheckedChanged: page.report("XSuperCheckBox.checked = " + checked)
                }
                XSuperCheckBox {
                    isMultipleCheckBox: true
                    checkBoxState: 1
                    onCheckBoxStateChanged: page.report("XSuperCheckBox.checkBoxState = " + checkBoxState)
                }
                XSuperCheckBox {
                    badge: "3"
                    checked: true
                }
                XSuperCheckBox {
                    isRelay: true
                    badge: "2"
                    toolTipText: "Relay used by two groups"
                }
                XSuperCheckBox {
                    enabled: false
                }
            }
        }

        Specimen {
            title: "XComboBox"

            XComboBox {
                toolTipText: "Type a new room to add it"
                mContentModel: ListModel {
                    ListElement {
                        text: "Stairwell"
                    }
                    ListElement {
                        text: "Lobby"
                    }
                    ListElement {
                        text: "Atrium"
                    }
                }
                comboBox.onAccepted: page.report("XComboBox: " + comboBox.editText + ", "
                                                 + mContentModel.count + " entries")
            }
        }

        Specimen {
            title: "XTextField (maxValue 60)"

            XTextField {
                id: textField

                maxValue: 60
                placeholder: "Seconds, at most 60"
                onChangedText: page.report("XTextField.changedText(): " + textFieldText)
                onDeleteTextField: textFieldText = ""
            }
        }

        Specimen {
            title: "XLabeledCheckBox"

            XLabeledCheckBox {
                checkBoxName: "Report faults by e-mail"
                checkBoxChecked: true
                onValueChanged: page.report("XLabeledCheckBox.valueChanged(): " + checkBoxChecked)
            }
        }

        Specimen {
            title: "XLabeledTextField"

            XLabeledTextField {
                labelText: "Device name"
                textFieldText: "Window drive, east"
                onChangedText: page.report("XLabeledTextField.changedText(): " + textFieldText)
            }
        }

        Specimen {
            title: "XLabeledTextArea"

            XLabeledTextArea {
                labelText: "Notes"
                textAreaText: "Installed in the stairwell on the third floor. The chain drive was "
                              + "replaced after the inspection; the next inspection is due in spring."
            }
        }
    }
}
