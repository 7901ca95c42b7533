import QtQuick

// A switch between two options. With the toggle values left at -1 it reports true and false;
// otherwise it reports the value that belongs to the chosen option.
Item {
    id: root

    property bool toggleActivated: false
    property string toolTipText: ""
    property string toolTipTextSecondOption: ""
    property int firstToggleValue: -1
    property int secondToggleValue: -1
    property int toggleWidth: 2 * sizes.clickableSize
    property color toggleButtonColor: globalColors.PRIMARY
    property color toggleButtonBorderColor: globalColors.BUTTON_COLOR
    property string toggleButtonName
    property string toggleButtonTitle
    property string firstOptionName
    property string secondOptionName
    property var menuItems: []

    readonly property string shownToolTip: toggleActivated || toolTipTextSecondOption === ""
                                           ? toolTipText : toolTipTextSecondOption

    signal contextMenuItemClicked(int menuIndex, var value)
    signal valueChanged(var value)

    function setToggleActivatedByToggleValue(toggleValue) {
        toggleActivated = toggleValue === firstToggleValue
    }

    function enable(value) {
        firstHalf.enabled = value
        secondHalf.enabled = value
    }

    function valueOfOption(first) {
        if (firstToggleValue === -1)
            return first
        if (first || secondToggleValue === -1)
            return firstToggleValue
        return secondToggleValue
    }

    function choose(first) {
        forceActiveFocus()
        toggleActivated = first
        valueChanged(valueOfOption(first))
    }

    width: sizes.eventGroupWidth
    height: toggleButtonTitle !== "" ? 1.5 * sizes.clickableSize : sizes.clickableSize

    Behavior on height {
        NumberAnimation {
            duration: animDuration.half
        }
    }
    Behavior on opacity {
        NumberAnimation {
            duration: animDuration.half
        }
    }
    VisibilityFade on visible {
        fadeTarget: content
        duration: animDuration.half
    }

    Item {
        id: content

        anchors.fill: parent
        anchors.margins: margin.defaultPadding

        Text {
            id: title

            width: parent.width
            height: parent.height - toggle.height
            visible: text !== ""
            text: root.toggleButtonTitle
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: Text.AlignTop
            elide: Text.ElideRight

            HoverHandler {
                id: titleHover
            }
        }

        Text {
            id: name

            anchors.bottom: parent.bottom
            width: parent.width / 2
            height: toggle.height
            visible: text !== ""
            text: root.toggleButtonName
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight

            HoverHandler {
                id: nameHover
            }
        }

        Rectangle {
            id: toggle

            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: Math.min(root.toggleWidth, parent.width)
            height: sizes.rangeMonthButtonHeight
            color: globalColors.CONTENT_BACKGROUND_COLOR
            border.width: 1
            border.color: root.toggleButtonBorderColor

            Rectangle {
                id: block

                objectName: "toggleBlock"
                x: root.toggleActivated ? toggle.border.width : toggle.width / 2 + toggle.border.width
                y: toggle.border.width
                width: toggle.width / 2 - 2 * toggle.border.width
                height: toggle.height - 2 * toggle.border.width
                visible: firstHalf.enabled || secondHalf.enabled
                color: root.toggleButtonColor

                Behavior on x {
                    NumberAnimation {
                        duration: animDuration.half
                    }
                }
            }

            OptionHalf {
                id: firstHalf

                objectName: "firstOption"
                width: toggle.width / 2
                height: toggle.height
                caption: root.firstOptionName
                active: root.toggleActivated
                blockBehind: block.visible
                onChosen: root.choose(true)
                onHoldShowsTip: holdTip.start()
                onMenuWanted: contextMenu.openIfNotEmpty()
            }
            OptionHalf {
                id: secondHalf

                objectName: "secondOption"
                x: toggle.width / 2
                width: toggle.width / 2
                height: toggle.height
                caption: root.secondOptionName
                active: !root.toggleActivated
                blockBehind: block.visible
                onChosen: root.choose(false)
                onHoldShowsTip: holdTip.start()
                onMenuWanted: contextMenu.openIfNotEmpty()
            }
        }
    }

    component OptionHalf: Item {
        id: half

        property string caption
        property bool active
        // Without the block behind it (a disabled switch) the active caption takes the text colour.
        property bool blockBehind: true
        readonly property alias hovered: area.containsMouse

        signal chosen
        signal holdShowsTip
        signal menuWanted

        Text {
            anchors.fill: parent
            text: half.caption
            color: !half.active ? globalColors.DARKGREY : half.blockBehind ? globalColors.SELECTED_TEXT_COLOR
                                                                      : globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight

            Behavior on color {
                ColorAnimation {
                    duration: animDuration.full / 10
                }
            }
        }

        MouseArea {
            id: area

            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onPressed: mouse => {
                half.chosen()
                if (mouse.button === Qt.RightButton)
                    half.menuWanted()
            }
            onPressAndHold: mouse => {
                if (mouse.button === Qt.LeftButton)
                    half.holdShowsTip()
            }
        }
    }

    // A long left press shows the tooltip first, for touch screens that cannot hover.
    Timer {
        id: holdTip

        interval: 500
        onTriggered: contextMenu.openIfNotEmpty()
    }

    XToolTip {
        objectName: "toolTip"
        text: root.shownToolTip
        delay: holdTip.running ? 0 : 500
        visible: text !== "" && (firstHalf.hovered || secondHalf.hovered || titleHover.hovered
                                 || nameHover.hovered || holdTip.running)
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex,
                                                                   root.valueOfOption(root.toggleActivated))
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
