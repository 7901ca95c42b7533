import QtQuick

// A section header: an icon at the left and the title resting on a line that runs at the
// icon's vertical centre.
Item {
    id: root

    property real contentPadding: margin.defaultPadding
    property url imageSource
    property string text
    property color lineColor: globalColors.SECONDARY

    width: sizes.eventGroupWidth
    height: sizes.clickableSize

    Image {
        id: icon

        anchors.left: parent.left
        anchors.top: parent.top
        width: sizes.clickableSize
        height: sizes.clickableSize
        source: root.imageSource
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        mipmap: true
    }

    Rectangle {
        id: line

        anchors.left: icon.right
        anchors.right: parent.right
        anchors.leftMargin: root.contentPadding
        y: icon.y + icon.height / 2 - height / 2
        height: margin.one / 2
        color: root.lineColor
    }

    Text {
        anchors.left: line.left
        anchors.right: line.right
        anchors.bottom: line.top
        anchors.bottomMargin: margin.one / 2
        text: root.text
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        elide: Text.ElideRight
    }
}
