import QtQuick

// A one-of-many choice with the options one under the other. Options are model entries with
// the roles "text", "value" and, optionally, "hint" (the option's own tooltip).
Item {
    id: root

    property real standardHeight: list.contentHeight + list.spacing + title.height
                                           + margin.defaultPadding
    property string toggleButtonText
    property var options
    property alias selectedItem: list.currentIndex
    property string toolTipText: ""
    property var menuItems: []

    signal contextMenuItemClicked(int menuIndex)
    signal valueChanged

    // The option at an index of a list model or of a plain array of objects.
    function optionAt(index) {
        if (!options || index < 0)
            return undefined
        return options.get ? options.get(index) : options[index]
    }

    function optionCount() {
        return !options ? 0 : options.count !== undefined ? options.count : options.length
    }

    function indexOfValue(value, count) {
        for (let index = 0; index < count; ++index) {
            const option = optionAt(index)
            if (option && option.value === value)
                return index
        }
        return 0
    }

    function selectByValue(value) {
        selectedItem = indexOfValue(value, optionCount())
    }

    // As selectByValue, counting the options the list shows.
    function selectByValueOnList(value) {
        selectedItem = indexOfValue(value, list.count)
    }

    function getValue() {
        const option = optionAt(selectedItem)
        return option ? option.value : -1
    }

    function hintOf(index) {
        const option = optionAt(index)
        return option && option.hint ? String(option.hint) : ""
    }

    width: sizes.eventGroupWidth
    height: standardHeight

    Text {
        id: title

        x: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: text !== "" ? sizes.rangeMonthButtonHeight : 0
        visible: text !== ""
        text: root.toggleButtonText
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight

        MouseArea {
            id: titleArea

            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onPressed: mouse => {
                if (mouse.button === Qt.RightButton)
                    contextMenu.openIfNotEmpty()
            }
            onPressAndHold: mouse => {
                if (mouse.button === Qt.LeftButton)
                    holdTip.show(root.toolTipText)
            }
        }
    }

    ListView {
        id: list

        property int hoveredIndex: -1

        x: margin.defaultPadding
        y: title.height + spacing
        width: parent.width - 2 * margin.defaultPadding
        height: contentHeight
        spacing: margin.two
        interactive: false
        model: root.options
        highlightFollowsCurrentItem: false
        highlight: Rectangle {
            y: list.currentItem ? list.currentItem.y : 0
            width: list.width
            height: sizes.rangeMonthButtonHeight
            visible: root.enabled && list.currentItem !== null
            color: globalColors.PRIMARY

            Behavior on y {
                NumberAnimation {
                    duration: animDuration.full
                    easing.type: Easing.InOutQuad
                }
            }
        }

        delegate: Rectangle {
            id: option

            required property int index
            required property var model
            // Entries of a list model, or objects of a plain array.
            readonly property var entry: model.modelData !== undefined ? model.modelData : model

            objectName: "option" + index
            width: ListView.view.width
            height: sizes.rangeMonthButtonHeight
            color: globalColors.TRANSPARENT
            border.color: globalColors.BUTTON_COLOR

            Text {
                anchors.fill: parent
                anchors.leftMargin: margin.one
                anchors.rightMargin: margin.one
                text: option.entry.text !== undefined ? option.entry.text : ""
                // Without the bar behind it (disabled) the current caption takes the text colour.
                color: !option.ListView.isCurrentItem ? globalColors.DARKGREY
                                                      : root.enabled ? globalColors.SELECTED_TEXT_COLOR
                                                                     : globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }

            MouseArea {
                id: optionArea

                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: mouse => {
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openIfNotEmpty()
                }
                onReleased: mouse => {
                    if (mouse.button === Qt.LeftButton && !contextMenu.opened
                            && contains(Qt.point(mouse.x, mouse.y))) {
                        list.currentIndex = option.index
                        root.valueChanged()
                    }
                }
                onPressAndHold: mouse => {
                    if (mouse.button === Qt.LeftButton)
                        holdTip.show(root.hintOf(option.index) || root.toolTipText)
                }
                onContainsMouseChanged: {
                    if (containsMouse)
                        list.hoveredIndex = option.index
                    else if (list.hoveredIndex === option.index)
                        list.hoveredIndex = -1
                }
            }
        }
    }

    // A long left press shows the tooltip first, for touch screens that cannot hover.
    Timer {
        id: holdTip

        property string text

        function show(tipText) {
            text = tipText
            start()
        }

        interval: 500
        onTriggered: contextMenu.openIfNotEmpty()
    }

    XToolTip {
        objectName: "toolTip"
        text: holdTip.running ? holdTip.text : root.hintOf(list.hoveredIndex) || root.toolTipText
        delay: holdTip.running ? 0 : 500
        visible: text !== "" && (holdTip.running || titleArea.containsMouse || list.hoveredIndex !== -1)
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
