import QtQuick
import QtTest

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        id: testCase

        name: "ValueEditors"
        stage: stage

        function typeText(text) {
            for (const character of text)
                keyClick(character)
        }

        // Clicks into a text input and replaces its whole text by typing.
        function retype(input, text) {
            mouseClick(input)
            tryVerify(() => input.activeFocus)
            input.selectAll()
            keyClick(Qt.Key_Delete)
            typeText(text)
        }

        function lastArgument(signalSpy) {
            return signalSpy.signalArguments[signalSpy.count - 1][0]
        }

        function firstArguments(signalSpy) {
            return signalSpy.signalArguments.map(args => args[0])
        }

        function test_contract_data() {
            const colour = name => ({
                                        color: globalColors[name]
                                    })
            return [{
                    tag: "XSpinBox",
                    properties: {
                        isDeletableSpinBox: false,
                        spinBoxMinValue: 0,
                        spinBoxMaxValue: 100,
                        spinBoxStep: 1,
                        fontSize: fonts.five_pt,
                        decimals: 0,
                        spinBoxColor: colour("PRIMARY"),
                        spinBoxText: "",
                        spinBoxValue: 0,
                        spinBoxUnit: "",
                        menuItems: [],
                        toolTipText: "",
                        enable: true,
                        height: s
                    },
                    signals: ["contextMenuItemClicked", "valueChanged", "incrementClicked",
                        "decrementClicked", "deleteSpinBox"],
                    functions: ["setValue"]
                }, {
                    tag: "XTimeSpinBox",
                    properties: {
                        timeSpinBoxHourMinValue: 0,
                        timeSpinBoxHourMaxValue: 23,
                        buttonColor: colour("BUTTON_COLOR"),
                        timeSpinBoxHourTextInput: undefined,
                        timeSpinBoxMinuteTextInput: undefined,
                        timeSpinBoxName: "",
                        height: 3 * 0.75 * s
                    },
                    signals: ["valueChanged"]
                }, {
                    tag: "XToggleButton",
                    properties: {
                        toggleActivated: false,
                        toolTipText: "",
                        toolTipTextSecondOption: "",
                        firstToggleValue: -1,
                        secondToggleValue: -1,
                        toggleWidth: Math.floor(2 * s),
                        toggleButtonColor: colour("PRIMARY"),
                        toggleButtonBorderColor: colour("BUTTON_COLOR"),
                        toggleButtonName: "",
                        toggleButtonTitle: "",
                        firstOptionName: "",
                        secondOptionName: "",
                        menuItems: [],
                        height: s
                    },
                    signals: ["contextMenuItemClicked", "valueChanged"],
                    functions: ["setToggleActivatedByToggleValue", "enable"]
                }, {
                    tag: "XToggleButton",
                    name: "XToggleButton with a title",
                    setup: {toggleButtonTitle: "Rain"},
                    properties: {height: 1.5 * s}
                }, {
                    tag: "XMultipleToggleButton",
                    properties: {
                        standardHeight: undefined,
                        toggleButtonText: "",
                        options: undefined,
                        selectedItem: undefined,
                        toolTipText: "",
                        menuItems: []
                    },
                    signals: ["contextMenuItemClicked", "valueChanged"],
                    functions: ["selectByValue", "selectByValueOnList", "getValue"]
                }, {
                    tag: "XHorizontalMultipleToggleButton",
                    properties: {
                        elementWidth: undefined,
                        elementHeight: s,
                        options: undefined,
                        optionsModel: undefined,
                        selectedItem: undefined,
                        elementSpacing: margin.one,
                        toggleButtonName: "",
                        selectionHighlight: undefined,
                        menuItems: [],
                        toolTipText: "",
                        toogleButtonFontSize: fonts.five_pt,
                        height: 2 * s
                    },
                    signals: ["contextMenuItemClicked"],
                    functions: ["selectByValue"]
                }, {
                    tag: "XSlider",
                    properties: {
                        maxValue: 100,
                        minValue: 0,
                        step: 10,
                        sliderColor: colour("SIDEBAR_COLOR"),
                        sliderValue: 0,
                        sliderName: "",
                        toolTipText: "",
                        slider: undefined,
                        sliderLinesWidth: 0.7 * margin.one,
                        countMiddleLines: 10,
                        distanceMiddleLines: undefined,
                        sliderStepSize: 0.1,
                        height: 2 * s
                    },
                    signals: ["valueOfSliderChanged"]
                }, {
                    tag: "XSliderMiddleLine",
                    properties: {
                        isFirstOrLastOne: false,
                        sliderMiddleLineX: 0,
                        sliderMiddleLineY: margin.three,
                        sliderMiddleLineWidth: 20,
                        sliderMiddleLineHeight: 0.4 * s,
                        middleLineValueX: 0,
                        middleLineValueY: margin.one,
                        middleLineValue: "0",
                        backgroundColor: undefined
                    }
                }, {
                    tag: "WindRose",
                    properties: {
                        directionBits: 0,
                        defaultHeight: Math.floor(sizes.moduleConfigurationWidth - 2 * margin.defaultPadding),
                        toolTipText: "",
                        menuItems: []
                    },
                    signals: ["contextMenuItemClicked", "windDirectionChanged", "checkBoxCheckedChanged"]
                }, {
                    tag: "XSuperCheckBox",
                    properties: {
                        isMultipleCheckBox: false,
                        isRelay: false,
                        checkBoxState: 5,
                        badgeBackgroundColor: colour("LIGHTGREY"),
                        badge: "0",
                        badgeColor: undefined,
                        toolTipText: "",
                        objectName: "checkBox",
                        width: s,
                        height: s
                    },
                    signals: ["clicked", "toggled", "checkedChanged"]
                }, {
                    tag: "XComboBox",
                    properties: {
                        buttonPadding: margin.defaultPadding,
                        mContentModel: undefined,
                        comboBox: undefined,
                        comboBoxEnabled: true,
                        toolTipText: ""
                    },
                    functions: ["addNewElement"]
                }, {
                    tag: "XTextField",
                    properties: {
                        isDeleteButtonVisible: true,
                        checkInput: true,
                        maxValue: 0,
                        borderColor: colour("TITLE_COLOR"),
                        backgroundColor: colour("CONTENT_BACKGROUND_COLOR"),
                        textFieldText: "",
                        placeholder: "",
                        textField: undefined
                    },
                    signals: ["deleteTextField", "changedText"]
                }, {
                    tag: "XLabeledCheckBox",
                    properties: {
                        checkBoxName: "",
                        checkBoxChecked: false,
                        height: s
                    },
                    signals: ["valueChanged"]
                }, {
                    tag: "XLabeledTextField",
                    properties: {
                        labelText: "",
                        textFieldText: "",
                        height: 2 * s
                    },
                    signals: ["changedText"]
                }, {
                    tag: "XLabeledTextArea",
                    properties: {
                        labelText: "",
                        textAreaText: "",
                        height: 4 * s + 2 * margin.defaultPadding
                    }
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        // A plug-in's page that uses every value editor, declared as plug-in QML declares them.
        function test_pluginPageLoadsWithoutWarnings() {
            const page = Qt.createQmlObject(`
                import QtQuick
                import common.src.presentation_layer.assets.common_controls 1.0
                Column {
                    XSpinBox { spinBoxText: "Width"; spinBoxUnit: "mm"; decimals: 1; spinBoxValue: 25 }
                    XTimeSpinBox { timeSpinBoxName: "From"; timeSpinBoxHourMaxValue: 12 }
                    XToggleButton { toggleButtonTitle: "Rain"; firstOptionName: "On"; secondOptionName: "Off" }
                    XMultipleToggleButton {
                        toggleButtonText: "Mode"
                        options: ListModel { ListElement { text: "A"; value: 1 } ListElement { text: "B"; value: 2; hint: "b" } }
                    }
                    XHorizontalMultipleToggleButton {
                        optionsModel: [{ "text": "Slow", "value": 1 }, { "text": "Fast", "value": 2 }]
                    }
                    XSlider { sliderName: "Limit"; step: 25 }
                    XSliderMiddleLine { middleLineValue: "5" }
                    WindRose { directionBits: 0x11 }
                    XSuperCheckBox { isMultipleCheckBox: true; isRelay: true; badge: "2" }
                    XComboBox { mContentModel: ListModel { ListElement { text: "Lobby" } } }
                    XTextField { maxValue: 60; textFieldText: "12" }
                    XLabeledCheckBox { checkBoxName: "Mail"; checkBoxChecked: true }
                    XLabeledTextField { labelText: "Name"; textFieldText: "Drive" }
                    XLabeledTextArea { labelText: "Notes"; textAreaText: "Line" }
                }`, stage, "pluginPage")
            created.push(page)
            compare(page.children.length, 14)
            waitForItemPolished(page)
        }

        function test_spinBoxShowsGermanNotation_data() {
            return [{
                    tag: "one decimal",
                    setup: {decimals: 1, spinBoxMinValue: 0.5, spinBoxMaxValue: 10, spinBoxValue: 25},
                    text: "2,5",
                    from: 5,
                    to: 100
                }, {
                    tag: "thousands",
                    setup: {decimals: 2, spinBoxMaxValue: 20000, spinBoxValue: 1234567},
                    text: "12.345,67",
                    from: 0,
                    to: 2000000
                }, {
                    tag: "no decimals",
                    setup: {spinBoxValue: 7},
                    text: "7",
                    from: 0,
                    to: 100
                }]
        }

        function test_spinBoxShowsGermanNotation(data) {
            const box = make("XSpinBox", data.setup)
            const spinBox = findChild(box, "spinBox")
            compare(findChild(box, "spinBoxTextInput").text, data.text)
            compare(spinBox.from, data.from)
            compare(spinBox.to, data.to)
        }

        // What the user types is announced while it lies in the range, read in German notation.
        function test_spinBoxAnnouncesTypedValues_data() {
            return [{
                    tag: "12,5 of 0 to 100",
                    typed: "12,5",
                    announced: 125,
                    colour: "TITLE_COLOR"
                }, {
                    tag: "150 of 0 to 100",
                    typed: "150",
                    announced: 150,
                    colour: "RED"
                }, {
                    tag: "100,5 of 0 to 100",
                    typed: "100,5",
                    announced: 1000,
                    colour: "RED"
                }]
        }

        function test_spinBoxAnnouncesTypedValues(data) {
            const box = make("XSpinBox", {
                                 "decimals": 1,
                                 "spinBoxValue": 400
                             })
            const input = findChild(box, "spinBoxTextInput")
            const announced = spy(box, "valueChanged")
            retype(input, data.typed)
            compare(lastArgument(announced), data.announced)
            verify(Qt.colorEqual(input.color, globalColors[data.colour]))
            compare(box.spinBoxValue, 400, "typing alone keeps the value")
        }

        function test_spinBoxStepButtons_data() {
            return [{
                    tag: "+",
                    button: "up",
                    clicked: "incrementClicked",
                    value: 26
                }, {
                    tag: "-",
                    button: "down",
                    clicked: "decrementClicked",
                    value: 24
                }]
        }

        // A press announces the shown value right after the click signal, then the new value.
        function test_spinBoxStepButtons(data) {
            const box = make("XSpinBox", {
                                 "decimals": 1,
                                 "spinBoxValue": 25
                             })
            const events = []
            box[data.clicked].connect(() => events.push(data.clicked))
            box.valueChanged.connect(value => events.push(value))
            const indicator = findChild(box, "spinBox")[data.button].indicator
            mouseClick(indicator)
            // The new value arrives once for the value and once for the text that follows it.
            compare(events, [data.clicked, 25, data.value, data.value])
            compare(findChild(box, "spinBoxTextInput").text, data.value === 26 ? "2,6" : "2,4")
        }

        // setValue drops the typed text also when the value itself does not change.
        function test_spinBoxSetValueDiscardsTypedText() {
            const box = make("XSpinBox", {
                                 "spinBoxValue": 40
                             })
            const input = findChild(box, "spinBoxTextInput")
            retype(input, "77")
            compare(input.text, "77")
            box.setValue(40)
            compare(input.text, "40")
            box.setValue(41)
            compare(input.text, "41")
            compare(box.spinBoxValue, 41)
        }

        function test_spinBoxEnterCommitsTheTypedValue_data() {
            return [{
                    tag: "in range",
                    typed: "3,7",
                    value: 37,
                    shown: "3,7"
                }, {
                    tag: "beyond the range",
                    typed: "150",
                    value: 1000,
                    shown: "100,0"
                }, {
                    tag: "not a number",
                    typed: "1,2,3",
                    value: 1000,
                    shown: "100,0"
                }]
        }

        function test_spinBoxEnterCommitsTheTypedValue(data) {
            const box = make("XSpinBox", {
                                 "decimals": 1,
                                 "spinBoxValue": 1000
                             })
            const input = findChild(box, "spinBoxTextInput")
            retype(input, data.typed)
            keyClick(Qt.Key_Return)
            compare(box.spinBoxValue, data.value)
            tryCompare(input, "text", data.shown)
        }

        // The text follows a change of the number of decimals.
        function test_spinBoxDecimalsChange() {
            const box = make("XSpinBox", {
                                 "spinBoxValue": 25
                             })
            box.decimals = 1
            compare(findChild(box, "spinBoxTextInput").text, "2,5")
        }

        function test_timeSpinBox_data() {
            return [{
                    tag: "hour up from 23",
                    time: ["23", "10"],
                    button: "nextButton",
                    shown: ["00", "10"]
                }, {
                    tag: "hour down from 00",
                    time: ["00", "10"],
                    button: "decrementHourButton",
                    shown: ["23", "10"]
                }, {
                    tag: "minute down from 00",
                    time: ["08", "00"],
                    button: "decrementMinuteButton",
                    shown: ["08", "59"]
                }, {
                    tag: "minute up from 59",
                    time: ["08", "59"],
                    button: "incrementMinuteButton",
                    shown: ["08", "00"]
                }, {
                    tag: "12-hour clock at 15:30",
                    time: ["15", "30"],
                    range: [1, 12],
                    shown: ["03", "30"]
                }, {
                    tag: "12-hour clock at 00:30",
                    time: ["00", "30"],
                    range: [1, 12],
                    shown: ["12", "30"]
                }, {
                    tag: "12-hour clock, hour up from 12",
                    time: ["12", "30"],
                    range: [1, 12],
                    button: "nextButton",
                    shown: ["01", "30"]
                }]
        }

        function test_timeSpinBox(data) {
            const box = make("XTimeSpinBox", {
                                 "y": 100
                             })
            box.timeSpinBoxHourTextInput.text = data.time[0]
            box.timeSpinBoxMinuteTextInput.text = data.time[1]
            const changed = spy(box, "valueChanged")
            if (data.range) {
                box.timeSpinBoxHourMinValue = data.range[0]
                box.timeSpinBoxHourMaxValue = data.range[1]
            }
            if (data.button)
                mouseClick(findChild(box, data.button))
            compare([box.timeSpinBoxHourTextInput.text, box.timeSpinBoxMinuteTextInput.text], data.shown)
            verify(changed.count > 0)
        }

        // Typed digits shift in from the right; a time that cannot be stays as it was.
        function test_timeSpinBoxTyping_data() {
            return [{
                    tag: "one digit",
                    field: "timeSpinBoxMinuteTextField",
                    keys: "7",
                    shown: "07"
                }, {
                    tag: "two digits",
                    field: "timeSpinBoxMinuteTextField",
                    keys: "45",
                    shown: "45"
                }, {
                    tag: "minute 75",
                    field: "timeSpinBoxMinuteTextField",
                    keys: "75",
                    shown: "07"
                }, {
                    tag: "hour 19",
                    field: "timeSpinBoxHourTextField",
                    keys: "19",
                    shown: "19"
                }, {
                    tag: "hour 31",
                    field: "timeSpinBoxHourTextField",
                    keys: "31",
                    shown: "03"
                }, {
                    tag: "letters",
                    field: "timeSpinBoxHourTextField",
                    keys: "a",
                    shown: ""
                }]
        }

        function test_timeSpinBoxTyping(data) {
            const box = make("XTimeSpinBox", {
                                 "y": 100
                             })
            const field = findChild(box, data.field)
            retype(field, data.keys)
            compare(field.text, data.shown)
            keyClick(Qt.Key_Return)
            verify(!field.activeFocus)
            compare(field.text, data.shown === "" ? "00" : data.shown)
        }

        function test_toggleButtonValues_data() {
            return [{
                    tag: "3 and -1",
                    values: [3, -1],
                    emitted: [3, 3]
                }, {
                    tag: "-1 and -1",
                    values: [-1, -1],
                    emitted: [true, false]
                }, {
                    tag: "3 and 7",
                    values: [3, 7],
                    emitted: [3, 7]
                }]
        }

        // Either option reports its value at every press, also when it was already chosen.
        function test_toggleButtonValues(data) {
            const toggle = make("XToggleButton", {
                                    "y": 100,
                                    "firstToggleValue": data.values[0],
                                    "secondToggleValue": data.values[1],
                                    "menuItems": ["Copy", "Paste"]
                                })
            const changed = spy(toggle, "valueChanged")
            const options = [findChild(toggle, "firstOption"), findChild(toggle, "secondOption")]
            mouseClick(options[0])
            mouseClick(options[0])
            verify(toggle.toggleActivated)
            mouseClick(options[1])
            verify(!toggle.toggleActivated)
            compare(firstArguments(changed), [data.emitted[0], data.emitted[0], data.emitted[1]])

            // The context menu reports the chosen option's value, not only whether it is the first.
            const chosen = spy(toggle, "contextMenuItemClicked")
            mouseClick(options[1], options[1].width / 2, options[1].height / 2, Qt.RightButton)
            const menu = findChild(toggle, "contextMenu")
            tryVerify(() => menu.opened)
            const paste = menu.itemAt(1)
            tryVerify(() => paste.y > 0, 1000, "the menu lays out its items")
            mouseClick(paste)
            compare(chosen.count, 1)
            compare(Array.from(chosen.signalArguments[0]), [1, data.emitted[1]])
        }

        function test_toggleButtonFollowsToggleValue() {
            const toggle = make("XToggleButton", {
                                    "firstToggleValue": 3,
                                    "secondToggleValue": 7
                                })
            toggle.setToggleActivatedByToggleValue(3)
            verify(toggle.toggleActivated)
            toggle.setToggleActivatedByToggleValue("3")
            verify(!toggle.toggleActivated)
        }

        Component {
            id: optionsComponent

            ListModel {
                ListElement {
                    text: "Auto"
                    value: 10
                }
                ListElement {
                    text: "Manual"
                    value: 20
                }
                ListElement {
                    text: "Service"
                    value: 30
                    hint: "Ignores commands"
                }
            }
        }

        function test_multipleToggleSelectByValue_data() {
            return [{
                    tag: "vertical, known value",
                    type: "XMultipleToggleButton",
                    value: 30,
                    selected: 2
                }, {
                    tag: "vertical, unknown value",
                    type: "XMultipleToggleButton",
                    value: 99,
                    selected: 0
                }, {
                    tag: "vertical, value of another type",
                    type: "XMultipleToggleButton",
                    value: "30",
                    selected: 0
                }, {
                    tag: "horizontal, known value",
                    type: "XHorizontalMultipleToggleButton",
                    value: 30,
                    selected: 2
                }, {
                    tag: "horizontal, unknown value",
                    type: "XHorizontalMultipleToggleButton",
                    value: 99,
                    selected: 1
                }]
        }

        function test_multipleToggleSelectByValue(data) {
            const model = createTemporaryObject(optionsComponent, testCase)
            const toggle = make(data.type, data.type === "XMultipleToggleButton" ? {
                                                                                      "options": model
                                                                                  } : {
                                                                                      "optionsModel": model
                                                                                  })
            toggle.selectedItem = 1
            toggle.selectByValue(data.value)
            compare(toggle.selectedItem, data.selected)
        }

        function test_multipleToggleChoosing_data() {
            return [{
                    tag: "vertical",
                    type: "XMultipleToggleButton",
                    property: "options",
                    announces: 1
                }, {
                    tag: "horizontal",
                    type: "XHorizontalMultipleToggleButton",
                    property: "optionsModel",
                    announces: 0
                }]
        }

        function test_multipleToggleChoosing(data) {
            const properties = {
                "y": 50,
                "width": 400
            }
            properties[data.property] = createTemporaryObject(optionsComponent, testCase)
            const toggle = make(data.type, properties)
            const changed = toggle.valueChanged ? spy(toggle, "valueChanged") : {
                                                      count: 0
                                                  }
            waitForItemPolished(toggle)
            const third = findChild(toggle, "option2")
            mouseClick(third)
            compare(toggle.selectedItem, 2)
            compare(changed.count, data.announces)
            if (toggle.getValue)
                compare(toggle.getValue(), 30)
            mouseMove(third, 2, 2)
            const tip = findChild(toggle, "toolTip")
            tryVerify(() => tip.visible)
            compare(tip.text, "Ignores commands")
        }

        function test_sliderReportsHundredths() {
            const slider = make("XSlider", {
                                    "y": 50
                                })
            const reported = spy(slider, "valueOfSliderChanged")
            slider.sliderValue = 50
            compare(firstArguments(reported), [5000])
            const handle = findChild(slider, "slider").handle
            mouseMove(handle, handle.width / 2, handle.height / 2)
            const tip = findChild(slider, "toolTip")
            tryVerify(() => tip.visible)
            compare(tip.text, "50%")
        }

        // A click on a mark of the scale puts the handle there: scale and slider agree.
        function test_sliderScaleMatchesTheHandle() {
            const slider = make("XSlider", {
                                    "y": 50,
                                    "width": 600
                                })
            const mark = Array.from(findChild(slider, "slider").parent.children).find(
                           child => child.middleLineValue === "70")
            const x = mark.sliderMiddleLineX + mark.sliderMiddleLineWidth / 2
            mouseClick(mark, x, mark.sliderMiddleLineY + mark.sliderMiddleLineHeight / 2)
            verify(Math.abs(slider.sliderValue - 70) < 0.5, "value " + slider.sliderValue)
        }

        function test_sliderWithoutStepsHasNoScale() {
            const slider = make("XSlider", {
                                    "step": 0
                                })
            compare(slider.countMiddleLines, 0)
            slider.sliderValue = 30
        }

        function test_windRose() {
            const rose = make("WindRose", {
                                  "directionBits": 0x05
                              })
            const changed = spy(rose, "windDirectionChanged")
            const boxes = ["north", "northEast", "east", "southEast", "south", "southWest",
                "west", "northWest"].map(name => findChild(rose, name))
            compare(boxes.map(box => box.checked), [true, false, true, false, false, false,
                                                   false, false])
            mouseClick(boxes[0])
            compare(rose.directionBits, 0x04)
            compare(firstArguments(changed), [4])
            mouseClick(boxes[7])
            compare(rose.directionBits, 0x84)
            rose.directionBits = 0x10
            verify(boxes[4].checked && !boxes[7].checked && !boxes[2].checked)
            mouseClick(boxes[4])
            compare(lastArgument(changed), 0)
        }

        // A plug-in chooses the German rose by providing the value "DE" as `language`.
        function test_windRoseImageFollowsLanguage_data() {
            return [{
                    tag: "DE",
                    language: "DE",
                    image: "de.png"
                }, {
                    tag: "de",
                    language: "de",
                    image: "en.png"
                }]
        }

        function test_windRoseImageFollowsLanguage(data) {
            const view = Qt.createQmlObject(`
                import QtQuick
                import common.src.presentation_layer.assets.common_controls 1.0
                Item {
                    property string language: "${data.language}"
                    property alias rose: rose
                    WindRose { id: rose }
                }`, stage, "pluginView")
            created.push(view)
            const image = findChild(view.rose, "roseImage")
            verify(String(image.source).endsWith("/windrose/" + data.image), image.source)
        }

        function test_superCheckBoxCyclesVentCommands() {
            const box = make("XSuperCheckBox", {
                                 "isMultipleCheckBox": true
                             })
            const states = []
            for (let click = 0; click < 4; ++click) {
                mouseClick(box)
                states.push(box.checkBoxState)
            }
            compare(states, [1, 2, 0, 5])
        }

        function test_superCheckBoxDisabledIsUnchecked() {
            const box = make("XSuperCheckBox")
            mouseClick(box)
            verify(box.checked)
            box.enabled = false
            verify(!box.checked)
        }

        function test_textFieldCapsAtMaxValue_data() {
            return [{
                    tag: "75",
                    typed: "75",
                    shown: "60"
                }, {
                    tag: "59",
                    typed: "59",
                    shown: "59"
                }, {
                    tag: "7e5",
                    typed: "7e5",
                    shown: "7e5"
                }, {
                    tag: "unchecked",
                    typed: "75",
                    checkInput: false,
                    shown: "75"
                }]
        }

        function test_textFieldCapsAtMaxValue(data) {
            const field = make("XTextField", {
                                   "y": 50,
                                   "maxValue": 60,
                                   "checkInput": data.checkInput !== false
                               })
            const changed = spy(field, "changedText")
            retype(field.textField, data.typed)
            compare(field.textFieldText, data.shown)
            verify(changed.count >= data.typed.length)
        }

        function test_textFieldFirstClickSelectsAll() {
            const field = make("XTextField", {
                                   "y": 50,
                                   "textFieldText": "Stairwell"
                               })
            mouseClick(field.textField, 10, field.textField.height / 2)
            tryCompare(field.textField, "selectedText", "Stairwell")
            const cleared = spy(field, "deleteTextField")
            mouseClick(findChild(field, "deleteTextButton"))
            compare(cleared.count, 1)
            compare(field.textFieldText, "Stairwell")
        }

        Component {
            id: roomsComponent

            ListModel {
                ListElement {
                    text: "Lobby"
                }
                ListElement {
                    text: "Atrium"
                }
            }
        }

        function test_comboBoxLearnsNewTexts_data() {
            return [{
                    tag: "existing text",
                    typed: "Atrium",
                    count: 2,
                    index: 1
                }, {
                    tag: "new text",
                    typed: "Roof",
                    count: 3,
                    index: 2
                }]
        }

        function test_comboBoxLearnsNewTexts(data) {
            const rooms = createTemporaryObject(roomsComponent, testCase)
            const box = make("XComboBox", {
                                 "y": 50,
                                 "mContentModel": rooms
                             })
            retype(findChild(box, "comboBoxTextField"), data.typed)
            keyClick(Qt.Key_Return)
            mouseClick(stage, 700, 500)
            compare(rooms.count, data.count)
            compare(rooms.get(data.count - 1).text, data.count === 3 ? "Roof" : "Atrium")
            compare(box.comboBox.currentIndex, data.index)
        }

        function test_labeledCheckBoxAnnouncesChanges() {
            const box = make("XLabeledCheckBox", {
                                 "checkBoxName": "Mail"
                             })
            const changed = spy(box, "valueChanged")
            mouseClick(findChild(box, "checkBox"))
            verify(box.checkBoxChecked)
            compare(changed.count, 1)
        }
    }
}
