import QtQuick
import Qt5Compat.GraphicalEffects

// A button with an image at the left and its caption to the right; users attach their
// handlers to `buttonClick`.
Item {
    id: root

    property real buttonPadding: margin.defaultPadding
    property real overlayBrightness: -0.2
    property url imageSource
    property string buttonText
    property string toolTipText: ""
    property alias buttonClick: mouseArea
    property alias buttonLabel: label

    width: 4 * sizes.clickableSize
    height: sizes.clickableSize

    QtObject {
        id: look

        property real brightness: 0
    }

    Rectangle {
        anchors.fill: parent
        radius: radii.ten
        color: globalColors.BUTTON_COLOR
    }

    Item {
        id: imageBox

        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: sizes.clickableSize
        height: sizes.clickableSize

        Image {
            id: image

            anchors.fill: parent
            anchors.margins: root.buttonPadding
            source: root.imageSource
            fillMode: Image.PreserveAspectFit
            asynchronous: true
            mipmap: true
            visible: look.brightness === 0
        }

        // While darkened or lightened the image is drawn through the effect instead.
        BrightnessContrast {
            objectName: "pressFeedback"
            anchors.fill: image
            source: image
            brightness: look.brightness
            visible: look.brightness !== 0
        }
    }

    Text {
        id: label

        anchors.left: imageBox.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.leftMargin: margin.two
        anchors.rightMargin: root.buttonPadding
        text: root.buttonText
        color: globalColors.BUTTON_TEXT_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        elide: Text.ElideRight
    }

    NumberAnimation {
        id: brightnessRelease

        target: look
        property: "brightness"
        to: 0
        duration: animDuration.full
        easing.type: Easing.OutQuad
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: root.toolTipText !== ""
        onPressed: {
            brightnessRelease.stop()
            look.brightness = root.overlayBrightness
        }
        onReleased: brightnessRelease.start()
        onCanceled: brightnessRelease.start()
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: mouseArea.containsMouse && text !== ""
    }
}
