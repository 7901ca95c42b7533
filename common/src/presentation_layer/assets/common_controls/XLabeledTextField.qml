import QtQuick
import QtQuick.Controls.Basic

// A one-line text field with its label above.
Item {
    id: root

    property string labelText
    property alias textFieldText: textField.text

    signal changedText

    width: sizes.eventGroupWidth
    height: 2 * sizes.clickableSize

    Column {
        anchors.fill: parent
        anchors.margins: margin.defaultPadding
        spacing: margin.one

        Text {
            width: parent.width
            height: sizes.rangeMonthButtonHeight
            text: root.labelText
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }

        TextField {
            id: textField

            objectName: "textField"
            width: parent.width
            height: sizes.rangeMonthButtonHeight
            leftPadding: margin.two
            rightPadding: margin.two
            topPadding: 0
            bottomPadding: 0
            wrapMode: TextInput.NoWrap
            selectByMouse: true
            color: globalColors.TITLE_COLOR
            selectionColor: globalColors.SECONDARY
            selectedTextColor: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: TextInput.AlignVCenter
            background: Rectangle {
                color: globalColors.CONTENT_BACKGROUND_COLOR
                border.color: textField.activeFocus ? globalColors.PRIMARY : globalColors.LIGHTGREY
            }
            onTextChanged: root.changedText()
        }
    }
}
