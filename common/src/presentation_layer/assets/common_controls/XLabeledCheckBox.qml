import QtQuick

// A check box with its name at the left.
Item {
    id: root

    property string checkBoxName
    property alias checkBoxChecked: checkBox.checked

    signal valueChanged

    width: sizes.eventGroupWidth
    height: sizes.clickableSize

    Text {
        anchors.left: parent.left
        anchors.leftMargin: margin.defaultPadding
        anchors.right: checkBox.left
        height: parent.height
        text: root.checkBoxName
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        elide: Text.ElideRight
    }

    XSuperCheckBox {
        id: checkBox

        anchors.right: parent.right
        width: sizes.clickableSize
        height: parent.height
        onCheckedChanged: root.valueChanged()
    }
}
