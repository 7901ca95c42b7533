import QtQuick
import Qt5Compat.GraphicalEffects

// A button that shows an image: darkens while pressed and, when selectable, stays selected
// (a PRIMARY frame, or a PRIMARY fill when it can be deselected again).
Item {
    id: root

    property bool isSelected: false
    property bool isSelectable: false
    property bool isDeselectable: false
    property bool isIcon: true
    property real overlayBrightness: -0.2
    property real borderWidth: 0
    property real buttonPadding: isIcon ? 0 : margin.defaultPadding
    property color borderColor: globalColors.TRANSPARENT
    property bool buttonEnabled: true
    property bool buttonHoverEnabled: false
    property alias buttonClick: mouseArea
    property url imageSource
    property var menuItems: []
    property string toolTipText: ""
    property bool asynchImageLoading: true
    property alias radius: face.radius
    property alias color: face.color

    signal buttonReleased
    signal buttonPressed
    signal buttonEntered
    signal buttonExited
    signal selected
    signal deselected
    signal contextMenuItemClicked(int menuIndex)

    function deselect() {
        isSelected = false
        if (!isDeselectable)
            look.brightness = 0
    }

    width: sizes.clickableSize
    height: sizes.clickableSize

    onIsSelectedChanged: {
        if (!mouseArea.containsMouse)
            return
        if (isSelected)
            selected()
        else
            deselected()
    }

    Behavior on width {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    VisibilityFade on visible {
        fadeTarget: face
        duration: animDuration.full
    }

    QtObject {
        id: look

        property real brightness: 0
    }

    Rectangle {
        id: face

        anchors.fill: parent
        color: globalColors.TRANSPARENT

        Rectangle {
            anchors.fill: parent
            radius: face.radius
            color: globalColors.PRIMARY
            visible: root.isSelected && root.isDeselectable
        }

        Image {
            id: image

            anchors.fill: parent
            anchors.margins: root.buttonPadding
            source: root.imageSource
            fillMode: Image.PreserveAspectFit
            asynchronous: root.asynchImageLoading
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

        Rectangle {
            readonly property bool selectionFrame: root.isSelected && !root.isDeselectable

            anchors.fill: parent
            radius: face.radius
            color: globalColors.TRANSPARENT
            border.width: selectionFrame ? margin.two : root.borderWidth
            border.color: selectionFrame ? globalColors.PRIMARY : root.borderColor
        }
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

        function releaseBrightness() {
            // A selected button keeps its darkened look as part of the selection.
            if (!root.isSelected)
                brightnessRelease.start()
        }

        anchors.fill: parent
        enabled: root.buttonEnabled
        hoverEnabled: root.toolTipText !== "" || root.buttonHoverEnabled
        acceptedButtons: Qt.LeftButton | Qt.RightButton

        // The right button only opens the context menu, so it never triggers the button.
        onPressed: mouse => {
            if (mouse.button === Qt.RightButton) {
                contextMenu.openIfNotEmpty()
                return
            }
            if (!root.isSelected) {
                brightnessRelease.stop()
                look.brightness = root.overlayBrightness
                if (root.isSelectable)
                    root.isSelected = true
            } else if (root.isDeselectable) {
                root.deselect()
            }
            root.buttonPressed()
        }
        onReleased: mouse => {
            if (mouse.button !== Qt.LeftButton)
                return
            releaseBrightness()
            if (!contextMenu.opened && contains(Qt.point(mouse.x, mouse.y)))
                root.buttonReleased()
        }
        onCanceled: releaseBrightness()
        onPressAndHold: contextMenu.openIfNotEmpty()
        onEntered: root.buttonEntered()
        onExited: root.buttonExited()
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: mouseArea.containsMouse && text !== ""
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"
        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
