import QtQuick
import QtQuick.Controls.Basic

// A text field with an optional numeric ceiling (`maxValue`, off at 0) and a clear button that
// asks the user to clear the field (deleteTextField).
Item {
    id: root

    property bool isDeleteButtonVisible: true
    property bool checkInput: true
    property int maxValue: 0
    property color borderColor: globalColors.TITLE_COLOR
    property color backgroundColor: globalColors.CONTENT_BACKGROUND_COLOR
    property alias textFieldText: textField.text
    property alias placeholder: textField.placeholderText
    property alias textField: textField

    signal deleteTextField
    signal changedText

    // Numbers above the ceiling become the ceiling; texts with an exponent or a time separator
    // are not numbers of that kind and stay as typed.
    function capToMaxValue() {
        const text = textField.text
        if (checkInput && maxValue !== 0 && !/[e;:]/.test(text) && parseInt(text, 10) > maxValue)
            textField.text = String(maxValue)
    }

    width: sizes.eventGroupWidth
    height: sizes.clickableSize

    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    VisibilityFade on visible {
        fadeTarget: area
        duration: animDuration.half
    }

    Rectangle {
        id: area

        anchors.fill: parent
        anchors.margins: margin.defaultPadding
        color: globalColors.BUTTON_COLOR

        TextField {
            id: textField

            // The first click into the field selects everything, ready to be typed over.
            property bool selectOnRelease: false

            objectName: "textField"
            anchors.bottom: parent.bottom
            width: parent.width
            height: 0.8 * sizes.clickableSize
            leftPadding: margin.two
            rightPadding: deleteButton.visible ? deleteButton.width : margin.two
            topPadding: 0
            bottomPadding: 0
            color: globalColors.TITLE_COLOR
            placeholderTextColor: globalColors.MEDIUMGREY
            selectionColor: globalColors.SECONDARY
            selectedTextColor: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: TextInput.AlignVCenter
            selectByMouse: true

            background: Rectangle {
                color: root.backgroundColor
                border.color: root.borderColor
            }

            onTextChanged: {
                root.capToMaxValue()
                root.changedText()
                deselect()
            }
            onEditingFinished: {
                deselect()
                focus = false
            }
            onActiveFocusChanged: {
                if (!activeFocus)
                    Qt.inputMethod.hide()
            }

            onPressed: selectOnRelease = !activeFocus
            onReleased: {
                if (selectOnRelease)
                    selectAllLater.start()
                selectOnRelease = false
            }

            // Runs after the field itself has placed the cursor for the click.
            Timer {
                id: selectAllLater

                interval: 0
                onTriggered: textField.selectAll()
            }

            XLabelButton {
                id: deleteButton

                objectName: "deleteTextButton"
                anchors.right: parent.right
                anchors.top: parent.top
                width: 0.75 * sizes.clickableSize
                height: width
                visible: root.isDeleteButtonVisible
                buttonText: "X"
                onButtonReleased: root.deleteTextField()
            }
        }
    }
}
