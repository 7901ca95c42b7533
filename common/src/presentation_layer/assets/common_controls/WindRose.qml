import QtQuick
import QtQuick.Controls.Basic

// Eight wind directions as bits of `directionBits`, one check box at each point of a compass
// rose: north 0x01, then clockwise to north-west 0x80.
Item {
    id: root

    property int directionBits: 0
    property int defaultHeight: sizes.moduleConfigurationWidth - 2 * margin.defaultPadding
    property string toolTipText: ""
    property var menuItems: []

    signal contextMenuItemClicked(int menuIndex)
    signal windDirectionChanged(var values)
    signal checkBoxCheckedChanged(var checked, var bit)

    width: sizes.moduleConfigurationWidth
    height: width > defaultHeight ? width : defaultHeight

    onCheckBoxCheckedChanged: (checked, bit) => {
        directionBits = checked ? directionBits | bit : directionBits & ~bit
        windDirectionChanged(directionBits)
    }

    QtObject {
        id: lifecycle

        property bool complete: false
    }

    Item {
        id: content

        readonly property real boxSize: 4 * margin.one
        readonly property real diagonalTop: margin.ten + margin.three
        readonly property real diagonalBottom: height - diagonalTop - boxSize
        readonly property real diagonalLeft: margin.eight
        readonly property real diagonalRight: width - diagonalLeft - boxSize
        readonly property real centreX: (width - boxSize) / 2
        readonly property real centreY: (height - boxSize) / 2
        readonly property var directionNames: ["north", "northEast", "east", "southEast", "south",
            "southWest", "west", "northWest"]

        // Clockwise from north, the box of bit 1 << index.
        function boxX(index) {
            return [centreX, diagonalRight, width - boxSize, diagonalRight, centreX, diagonalLeft, 0,
                    diagonalLeft][index]
        }

        function boxY(index) {
            return [0, diagonalTop, centreY, diagonalBottom, height - boxSize, diagonalBottom, centreY,
                    diagonalTop][index]
        }

        anchors.fill: parent
        anchors.margins: margin.defaultPadding

        Image {
            id: rose

            objectName: "roseImage"
            anchors.centerIn: parent
            width: Math.max(0, parent.height - 4 * margin.five)
            height: width
            // The German rose marks east "O"; a plug-in chooses it by providing language "DE".
            source: typeof language !== "undefined" && language === "DE"
                    ? "qrc:/images/images/windrose/de.png" : "qrc:/images/images/windrose/en.png"
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.PreserveAspectFit
            smooth: true

            MouseArea {
                id: roseArea

                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: mouse => {
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openIfNotEmpty()
                }
                onPressAndHold: contextMenu.openIfNotEmpty()
            }
        }

        Repeater {
            model: 8

            CheckBox {
                id: box

                required property int index
                readonly property int bit: 1 << index

                objectName: content.directionNames[index]
                x: content.boxX(index)
                y: content.boxY(index)
                width: content.boxSize
                height: content.boxSize
                padding: 0
                spacing: 0
                checked: (root.directionBits & bit) !== 0
                // The boxes taking up the initial bits is no change of the user's.
                onCheckedChanged: {
                    if (lifecycle.complete)
                        root.checkBoxCheckedChanged(checked, bit)
                }

                indicator: Rectangle {
                    width: box.width
                    height: box.height
                    antialiasing: false
                    color: box.enabled ? globalColors.CONTENT_BACKGROUND_COLOR : globalColors.DISABLED_COLOR
                    border.color: globalColors.MEDIUMGREY

                    Image {
                        anchors.fill: parent
                        anchors.margins: 1
                        visible: box.checked
                        source: "qrc:/images/uielements/checkbox/checked/enabled.png"
                        sourceSize.width: width
                        sourceSize.height: height
                    }
                }
                contentItem: Item {}
            }
        }
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: roseArea.containsMouse && text !== ""
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: {
        contextMenu.addMenuItem()
        lifecycle.complete = true
    }
}
