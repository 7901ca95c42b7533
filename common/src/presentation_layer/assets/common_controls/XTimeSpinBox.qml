import QtQuick
import QtQuick.Controls.Basic

// An hour-and-minute editor: two two-digit fields with a "+" above and a "-" below each.
// Users read the two fields' texts when valueChanged() arrives.
Item {
    id: root

    property int timeSpinBoxHourMinValue: 0
    property int timeSpinBoxHourMaxValue: 23
    property color buttonColor: globalColors.BUTTON_COLOR
    property alias timeSpinBoxHourTextInput: hourField
    property alias timeSpinBoxMinuteTextInput: minuteField
    property string timeSpinBoxName

    readonly property int hour: Number(hourField.text) || 0
    readonly property int minute: Number(minuteField.text) || 0

    signal valueChanged

    function setHour(value) {
        hourField.text = twoDigits(value)
    }

    function setMinute(value) {
        minuteField.text = twoDigits(value)
    }

    function twoDigits(value) {
        return String(value).padStart(2, "0")
    }

    width: sizes.eventGroupWidth
    height: 3 * 0.75 * sizes.clickableSize

    // A 12-hour clock is chosen by the range 1 to 12: afternoon hours and midnight move into it.
    onTimeSpinBoxHourMaxValueChanged: {
        if (hour > 12 && timeSpinBoxHourMaxValue <= 12) {
            setHour(hour - 12)
            valueChanged()
        }
    }
    onTimeSpinBoxHourMinValueChanged: {
        if (hour === 0) {
            setHour(12)
            valueChanged()
        }
    }

    Text {
        anchors.left: parent.left
        anchors.right: block.left
        anchors.margins: margin.defaultPadding
        height: parent.height
        text: root.timeSpinBoxName
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        elide: Text.ElideRight
    }

    Rectangle {
        id: block

        readonly property real rowHeight: (height - 2 * border.width) / 3
        readonly property real columnWidth: (width - 2 * border.width) / 2

        anchors.right: parent.right
        width: parent.width / 2
        height: parent.height
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.width: 1
        border.color: root.buttonColor

        Grid {
            x: block.border.width
            y: block.border.width
            columns: 2

            StepButton {
                objectName: "nextButton"
                width: block.columnWidth
                height: block.rowHeight
                fillColor: root.buttonColor
                symbol: "+"
                onReleasedInside: root.setHour(root.hour + 1 > root.timeSpinBoxHourMaxValue
                                               ? root.timeSpinBoxHourMinValue : root.hour + 1)
            }
            StepButton {
                objectName: "incrementMinuteButton"
                width: block.columnWidth
                height: block.rowHeight
                fillColor: root.buttonColor
                symbol: "+"
                onReleasedInside: root.setMinute(root.minute >= 59 ? 0 : root.minute + 1)
            }
            TimeField {
                id: hourField

                objectName: "timeSpinBoxHourTextField"
                width: block.columnWidth
                height: block.rowHeight
                lowest: root.timeSpinBoxHourMinValue
                highest: root.timeSpinBoxHourMaxValue
                onNormalised: root.valueChanged()
                onFinished: root.forceActiveFocus()
            }
            TimeField {
                id: minuteField

                objectName: "timeSpinBoxMinuteTextField"
                width: block.columnWidth
                height: block.rowHeight
                lowest: 0
                highest: 59
                onNormalised: root.valueChanged()
                onFinished: root.forceActiveFocus()
            }
            StepButton {
                objectName: "decrementHourButton"
                width: block.columnWidth
                height: block.rowHeight
                fillColor: root.buttonColor
                symbol: "-"
                onReleasedInside: root.setHour(root.hour - 1 < root.timeSpinBoxHourMinValue
                                               ? root.timeSpinBoxHourMaxValue : root.hour - 1)
            }
            StepButton {
                objectName: "decrementMinuteButton"
                width: block.columnWidth
                height: block.rowHeight
                fillColor: root.buttonColor
                symbol: "-"
                onReleasedInside: root.setMinute(root.minute <= 0 ? 59 : root.minute - 1)
            }
        }

        Text {
            anchors.centerIn: parent
            text: ":"
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.six_pt
        }
    }

    component StepButton: Rectangle {
        id: stepButton

        property color fillColor
        property string symbol

        signal releasedInside

        color: stepArea.pressed ? globalColors.DARKGREY : fillColor

        Text {
            anchors.fill: parent
            text: stepButton.symbol
            color: globalColors.BUTTON_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.eight_pt
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        MouseArea {
            id: stepArea

            anchors.fill: parent
            onReleased: mouse => {
                Qt.inputMethod.hide()
                if (contains(Qt.point(mouse.x, mouse.y)))
                    stepButton.releasedInside()
            }
        }
    }

    // A two-digit field. Typing at the end of "07" gives "075", which becomes "75": digits shift
    // in from the right. A text that is not digits or lies above the range is refused.
    component TimeField: TextField {
        id: field

        property int lowest
        property int highest
        property string acceptedText: "00"

        signal normalised
        signal finished

        function normalise() {
            if (!/^[0-9]*$/.test(text) || Number(text) > highest) {
                text = acceptedText
                return
            }
            acceptedText = text
            if (text.length === 1)
                text = "0" + text
            else if (text.length > 2 && text.startsWith("0"))
                text = text.substring(1)
            normalised()
        }

        padding: 0
        text: "00"
        color: globalColors.TITLE_COLOR
        selectionColor: globalColors.SECONDARY
        selectedTextColor: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.six_pt
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        inputMethodHints: Qt.ImhDigitsOnly
        selectByMouse: true
        validator: RegularExpressionValidator {
            regularExpression: /[0-9]{0,3}/
        }
        background: Rectangle {
            color: globalColors.CONTENT_BACKGROUND_COLOR
        }

        onTextChanged: normalise()
        onActiveFocusChanged: {
            if (text === "")
                text = "0"
            else if (Number(text) < lowest)
                text = String(lowest)
        }
        onEditingFinished: {
            deselect()
            finished()
        }
    }
}
