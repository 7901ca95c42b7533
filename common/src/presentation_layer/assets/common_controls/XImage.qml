import QtQuick

// A framed image that does not react to the pointer.
Rectangle {
    id: root

    property real borderWidth: 0
    property real buttonPadding: margin.defaultPadding
    property color borderColor: globalColors.TRANSPARENT
    property url imageSource
    property string toolTipText: ""

    width: sizes.clickableSize
    height: sizes.clickableSize
    color: globalColors.TRANSPARENT
    border.width: borderWidth
    border.color: borderColor

    Image {
        anchors.fill: parent
        anchors.margins: root.buttonPadding
        source: root.imageSource
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        mipmap: true
    }
}
