import QtQuick
import QtQuick.Controls.Basic

// A rounded push button with a centred caption.
Item {
    id: root

    property color labelButtonColor: globalColors.BUTTON_COLOR
    property bool buttonEnabled: true
    property string buttonText
    property real buttonFont: fonts.five_pt
    property string toolTipText: ""
    property var menuItems: []

    signal buttonReleased
    signal buttonPressed
    signal buttonEntered
    signal buttonExited
    signal contextMenuItemClicked(int menuIndex)

    width: sizes.tripleClickableSize
    height: sizes.clickableSize

    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
        }
    }
    VisibilityFade on visible {
        fadeTarget: face
        duration: animDuration.full
    }

    Rectangle {
        id: face

        anchors.fill: parent
        anchors.margins: margin.defaultPadding
        radius: radii.ten
        // A button given its own colour returns to that colour after a press.
        color: !root.buttonEnabled ? globalColors.DISABLED_COLOR
                                   : mouseArea.pressed ? globalColors.MEDIUMLIGHTGREY
                                                       : root.labelButtonColor

        Behavior on color {
            ColorAnimation {
                duration: animDuration.slow
            }
        }

        Text {
            anchors.fill: parent
            anchors.leftMargin: margin.one
            anchors.rightMargin: margin.one
            text: root.buttonText
            color: globalColors.BUTTON_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: root.buttonFont
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            elide: Text.ElideRight
        }
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        enabled: root.buttonEnabled
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton

        // The right button only opens the context menu, so it never triggers the button.
        onPressed: mouse => {
            if (mouse.button === Qt.RightButton)
                contextMenu.openIfNotEmpty()
            else
                root.buttonPressed()
        }
        onReleased: mouse => {
            if (mouse.button === Qt.LeftButton && !contextMenu.opened
                    && contains(Qt.point(mouse.x, mouse.y)))
                root.buttonReleased()
        }
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
