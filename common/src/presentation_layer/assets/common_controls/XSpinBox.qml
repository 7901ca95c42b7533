import QtQuick
import QtQuick.Controls.Basic

// A number editor with a fixed number of decimals. The spin box counts whole units of
// 10^-decimals, so that stepping never accumulates rounding errors; the text shows the number
// in German notation ("1.234,5").
Item {
    id: root

    property bool isDeletableSpinBox: false
    property real spinBoxMinValue: 0
    property real spinBoxMaxValue: 100
    property int spinBoxStep: 1
    property real fontSize: fonts.five_pt
    property int decimals: 0
    property color spinBoxColor: globalColors.PRIMARY
    property string spinBoxText
    property alias spinBoxValue: spinBox.value
    property string spinBoxUnit
    property var menuItems: []
    property string toolTipText: ""
    property bool enable: true

    readonly property real factor: Math.pow(10, decimals)
    readonly property var numberLocale: Qt.locale("de_DE")

    signal contextMenuItemClicked(int menuIndex)
    signal valueChanged(var value)
    signal incrementClicked
    signal decrementClicked
    signal deleteSpinBox

    // Sets the inner value (in units of 10^-decimals) and drops whatever the user has typed.
    function setValue(value) {
        spinBox.value = value
        ++editor.resets
    }

    // The inner value the spin box makes of a typed text.
    function committedValue(text) {
        const number = readGerman(text)
        const value = isNaN(number) ? spinBox.value : Math.round(number * factor)
        return Math.min(Math.max(value, spinBox.from), spinBox.to)
    }

    function textOf(value) {
        return (value / factor).toLocaleString(numberLocale, "f", decimals)
    }

    // The number a text stands for in German notation, or NaN.
    function readGerman(text) {
        try {
            return Number.fromLocaleString(numberLocale, text)
        } catch (error) {
            return NaN
        }
    }

    // Digits with a full stop as decimal point, up to the first other character.
    function readPlain(text) {
        return parseFloat(text)
    }

    function inRange(number) {
        return number >= spinBoxMinValue && number <= spinBoxMaxValue
    }

    function emitShownValue() {
        const number = readGerman(editor.text)
        if (!isNaN(number))
            valueChanged(Math.round(number * factor))
    }

    // Typed text is announced only while it reads as a number of the range, both plainly and in
    // German notation, so that no value beyond the range ever leaves the editor.
    function emitTypedValue() {
        if (inRange(readPlain(editor.text)) && inRange(readGerman(editor.text)))
            emitShownValue()
    }

    width: sizes.eventGroupWidth
    height: sizes.clickableSize
    clip: true

    // What the text field shows, and a counter whose change makes it follow the value again.
    QtObject {
        id: editor

        property string text
        property int resets: 0
    }

    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    Behavior on opacity {
        NumberAnimation {
            duration: animDuration.half
        }
    }
    VisibilityFade on visible {
        fadeTarget: content
        duration: animDuration.half
    }

    Item {
        id: content

        readonly property real unitSpace: root.spinBoxUnit !== "" ? unit.width + margin.one : 0

        anchors.fill: parent
        anchors.margins: margin.defaultPadding

        XLabelButton {
            id: deleteButton

            objectName: "deleteTextButton"
            anchors.verticalCenter: parent.verticalCenter
            width: visible ? sizes.clickableSize * 0.75 : 0
            height: sizes.clickableSize * 0.75
            visible: root.isDeletableSpinBox
            buttonText: "X"
            onButtonReleased: root.deleteSpinBox()
        }

        Text {
            id: name

            anchors.left: deleteButton.right
            width: content.width / 2 - deleteButton.width - (root.spinBoxUnit !== "" ? margin.one : 0)
            height: parent.height
            visible: text !== ""
            text: root.spinBoxText
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            elide: Text.ElideRight

            MouseArea {
                id: nameArea

                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: mouse => {
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openIfNotEmpty()
                }
                // A long left press shows the tooltip first, for touch screens that cannot hover.
                onPressAndHold: mouse => {
                    if (mouse.button === Qt.LeftButton)
                        holdTip.start()
                }
            }
        }

        SpinBox {
            id: spinBox

            objectName: "spinBox"
            x: content.width / 2
            width: content.width / 2 - content.unitSpace
            height: parent.height
            padding: 0
            leftPadding: mirrored ? up.indicator.width : down.indicator.width
            rightPadding: mirrored ? down.indicator.width : up.indicator.width
            enabled: root.enable
            editable: true
            hoverEnabled: true
            from: Math.round(root.spinBoxMinValue * root.factor)
            to: Math.round(root.spinBoxMaxValue * root.factor)
            stepSize: root.spinBoxStep
            font.family: fonts.family
            font.pointSize: root.fontSize
            validator: RegularExpressionValidator {
                regularExpression: /-?[0-9.,]*/
            }
            textFromValue: (value, locale) => root.textOf(value)
            valueFromText: (text, locale) => root.committedValue(text)

            onValueChanged: root.valueChanged(value)
            up.onPressedChanged: {
                if (up.pressed) {
                    root.incrementClicked()
                    root.emitShownValue()
                }
            }
            down.onPressedChanged: {
                if (down.pressed) {
                    root.decrementClicked()
                    root.emitShownValue()
                }
            }

            contentItem: TextInput {
                objectName: "spinBoxTextInput"
                z: 2
                visible: spinBox.enabled
                // Follows the value; typing overrides it until the value changes or is set again.
                text: editor.resets >= 0 ? root.textOf(spinBox.value) : ""
                font: spinBox.font
                color: root.inRange(root.readGerman(text)) ? globalColors.TITLE_COLOR : globalColors.RED
                selectionColor: globalColors.SECONDARY
                selectedTextColor: globalColors.TITLE_COLOR
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                readOnly: !spinBox.editable
                validator: spinBox.validator
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                selectByMouse: true
                clip: true
                onTextChanged: {
                    editor.text = text
                    root.emitTypedValue()
                }
                // The spin box takes the typed value when the key is released or the focus
                // leaves. A text it cannot take (not a number, or a number beyond the range
                // while the value already stands at that end) would stay on show, so the text
                // returns to the value at once.
                onEditingFinished: {
                    root.emitTypedValue()
                    if (root.committedValue(text) === spinBox.value)
                        ++editor.resets
                }
            }

            up.indicator: StepButton {
                x: spinBox.mirrored ? 0 : spinBox.width - width
                width: spinBox.width / 4
                height: spinBox.height
                pressed: spinBox.up.pressed
                fillColor: root.spinBoxColor
                symbol: "+"
            }
            down.indicator: StepButton {
                x: spinBox.mirrored ? spinBox.width - width : 0
                width: spinBox.width / 4
                height: spinBox.height
                pressed: spinBox.down.pressed
                fillColor: root.spinBoxColor
                symbol: "-"
            }

            background: Rectangle {
                color: globalColors.CONTENT_BACKGROUND_COLOR
                border.width: 1
                border.color: globalColors.BUTTON_COLOR
            }
        }

        Text {
            id: unit

            anchors.left: spinBox.right
            anchors.leftMargin: margin.one
            height: parent.height
            visible: text !== ""
            text: root.spinBoxUnit
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: Text.AlignVCenter
        }
    }

    component StepButton: Rectangle {
        id: stepButton

        property bool pressed
        property color fillColor
        property string symbol

        color: pressed ? globalColors.DARKGREY : fillColor

        Text {
            anchors.fill: parent
            text: stepButton.symbol
            color: globalColors.BUTTON_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.twelve_pt
            fontSizeMode: Text.Fit
            minimumPointSize: 1
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    Timer {
        id: holdTip

        interval: 500
        onTriggered: contextMenu.openIfNotEmpty()
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        delay: holdTip.running ? 0 : 500
        visible: text !== "" && (nameArea.containsMouse || spinBox.hovered || holdTip.running)
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
