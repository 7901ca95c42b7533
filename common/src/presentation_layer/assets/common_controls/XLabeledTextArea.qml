import QtQuick
import QtQuick.Controls.Basic

// A multi-line text with its label above; the text scrolls when it outgrows its box.
Item {
    id: root

    property string labelText
    property alias textAreaText: textArea.text

    width: sizes.moduleConfigurationWidth
    height: 4 * sizes.clickableSize + 2 * margin.defaultPadding

    Text {
        id: label

        x: margin.defaultPadding
        y: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: sizes.clickableSize
        text: root.labelText
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Rectangle {
        anchors.top: label.bottom
        x: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: 3 * sizes.clickableSize
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: globalColors.LIGHTGREY

        ScrollView {
            anchors.fill: parent
            anchors.margins: 1
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

            TextArea {
                id: textArea

                objectName: "textArea"
                wrapMode: TextEdit.Wrap
                selectByMouse: true
                color: globalColors.TITLE_COLOR
                selectionColor: globalColors.SECONDARY
                selectedTextColor: globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                background: null
            }
        }
    }
}
