import QtQuick

// One mark of a slider's scale: a short rounded tick with its value centred under the tick's
// right edge. The scale's first and last marks show only their value.
Item {
    id: root

    property bool isFirstOrLastOne: false
    property real sliderMiddleLineX: 0
    property real sliderMiddleLineY: margin.three
    property real sliderMiddleLineWidth: 20
    property real sliderMiddleLineHeight: sizes.clickableSize * 0.4
    property real middleLineValueX: 0
    property real middleLineValueY: margin.one
    property string middleLineValue: "0"
    property color backgroundColor

    Rectangle {
        id: tick

        x: root.sliderMiddleLineX
        y: root.sliderMiddleLineY
        width: root.sliderMiddleLineWidth
        height: root.sliderMiddleLineHeight
        radius: 4
        visible: !root.isFirstOrLastOne
        color: root.backgroundColor
    }

    Text {
        x: tick.x + tick.width - width / 2 + root.middleLineValueX
        y: tick.y + tick.height + root.middleLineValueY
        text: root.middleLineValue
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
    }
}
