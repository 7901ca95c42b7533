import QtQuick
import QtQuick.Controls.Basic

// A slider over a labelled scale from minValue to maxValue with a mark every `step`.
// valueOfSliderChanged reports the position in hundredths (50 of 0..100 is 5000).
Item {
    id: root

    property real maxValue: 100
    property real minValue: 0
    property real step: 10
    property color sliderColor: globalColors.SIDEBAR_COLOR
    property alias sliderValue: slider.value
    property string sliderName
    property string toolTipText: ""
    property alias slider: slider

    readonly property real sliderLinesWidth: 0.7 * margin.one
    // A step that does not divide the range into marks leaves the scale empty.
    readonly property real countMiddleLines: step > 0 && maxValue > minValue ? (maxValue - minValue) / step : 0
    readonly property real distanceMiddleLines: countMiddleLines > 0
                                                ? (centreLine.width - sliderLinesWidth) / countMiddleLines : 0
    readonly property real sliderStepSize: countMiddleLines > 0 ? 1 / countMiddleLines : 0

    signal valueOfSliderChanged(var value)

    function reportedValue() {
        return Math.round(slider.value * (maxValue - minValue)) + minValue
    }

    width: sizes.moduleConfigurationWidth
    height: 2 * sizes.clickableSize

    Text {
        id: name

        x: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: sizes.clickableSize
        visible: text !== ""
        text: root.sliderName
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight

        HoverHandler {
            id: nameHover
        }
    }

    // The bottom band: the centre line with its end ticks and the scale. The line keeps half a
    // handle of room at each end so that the handle never leaves the component.
    Item {
        id: band

        readonly property real lineCentreY: 0.35 * sizes.clickableSize
        readonly property real handleSize: 0.8 * sizes.clickableSize

        anchors.bottom: parent.bottom
        width: parent.width
        height: sizes.clickableSize

        Rectangle {
            id: centreLine

            x: band.handleSize / 2
            y: band.lineCentreY - height / 2
            width: band.width - band.handleSize
            height: root.sliderLinesWidth
            radius: height / 2
            color: root.sliderColor
        }

        Repeater {
            model: [centreLine.x, centreLine.x + centreLine.width - root.sliderLinesWidth]

            Rectangle {
                required property real modelData

                x: modelData
                y: band.lineCentreY - height / 2
                width: root.sliderLinesWidth
                height: 0.5 * sizes.clickableSize
                radius: width / 2
                color: root.sliderColor
            }
        }

        Repeater {
            id: marks

            model: Math.floor(root.countMiddleLines) + 1

            XSliderMiddleLine {
                required property int index

                y: band.lineCentreY - sliderMiddleLineY - sliderMiddleLineHeight / 2
                isFirstOrLastOne: index === 0 || index === marks.count - 1
                sliderMiddleLineX: root.distanceMiddleLines * index + centreLine.x - 0.2 * margin.one
                sliderMiddleLineWidth: root.sliderLinesWidth
                backgroundColor: root.sliderColor
                middleLineValue: String(root.step * index + root.minValue)
            }
        }

        // The handle's centre runs from the first mark's centre to the last one's.
        Slider {
            id: slider

            objectName: "slider"
            x: centreLine.x + 0.15 * margin.one - band.handleSize / 2
            y: band.lineCentreY - band.handleSize / 2 - margin.two
            width: centreLine.width - root.sliderLinesWidth + band.handleSize
            height: margin.two + band.handleSize
            padding: 0
            from: root.minValue
            to: root.maxValue
            stepSize: root.sliderStepSize
            hoverEnabled: true
            onValueChanged: root.valueOfSliderChanged(root.reportedValue())

            background: Item {}
            handle: Image {
                x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
                y: margin.two
                width: band.handleSize
                height: band.handleSize
                source: "qrc:/images/uielements/slider/picker.png"
                sourceSize.width: width
                sourceSize.height: height
                smooth: true
            }
        }
    }

    XToolTip {
        objectName: "toolTip"
        text: slider.hovered ? root.reportedValue() / 100 + "%" : root.toolTipText
        visible: text !== "" && (slider.hovered || nameHover.hovered)
    }
}
