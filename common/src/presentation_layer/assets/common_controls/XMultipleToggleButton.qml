import QtQuick

// A one-of-many choice with the options one under the other. Options are model entries with
// the roles "text", "value" and, optionally, "hint" (the option's own tooltip).
Item {
    id: root

    readonly property real standardHeight: list.contentHeight + list.spacing + title.height
                                           + margin.defaultPadding
    property string toggleButtonText
    property var options
    property alias selectedItem: list.currentIndex
    property string toolTipText: ""
    property var menuItems: []

    signal contextMenuItemClicked(int menuIndex)
    signal valueChanged

    function selectByValue(value) {
        const count = !options ? 0 : options.count !== undefined ? options.count : options.length
        for (let index = 0; index < count; ++index) {
            const option = options.get ? options.get(index) : options[index]
            if (option && option.value === value) {
                selectedItem = index
                return
            }
        }
        selectedItem = 0
    }

    // As selectByValue, but looks at the options the list shows.
    function selectByValueOnList(value) {
        for (let index = 0; index < list.count; ++index) {
            const option = list.itemAtIndex(index)
            if (option && option.value === value) {
                selectedItem = index
                return
            }
        }
        selectedItem = 0
    }

    function getValue() {
        return list.currentItem ? list.currentItem.value : -1
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

        property Item hoveredOption: null

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
            readonly property var value: entry.value
            readonly property string hint: entry.hint ? String(entry.hint) : ""

            width: ListView.view.width
            height: sizes.rangeMonthButtonHeight
            color: globalColors.TRANSPARENT
            border.color: globalColors.BUTTON_COLOR

            Text {
                anchors.fill: parent
                anchors.leftMargin: margin.one
                anchors.rightMargin: margin.one
                text: option.entry.text !== undefined ? option.entry.text : ""
                color: option.ListView.isCurrentItem ? globalColors.SELECTED_TEXT_COLOR
                                                     : globalColors.DARKGREY
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
                        holdTip.show(option.hint !== "" ? option.hint : root.toolTipText)
                }
                onContainsMouseChanged: {
                    if (containsMouse)
                        list.hoveredOption = option
                    else if (list.hoveredOption === option)
                        list.hoveredOption = null
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
        text: holdTip.running ? holdTip.text
                              : list.hoveredOption && list.hoveredOption.hint !== "" ? list.hoveredOption.hint
                                                                                    : root.toolTipText
        delay: holdTip.running ? 0 : 500
        visible: text !== "" && (holdTip.running || titleArea.containsMouse || list.hoveredOption !== null)
    }

    XMenu {
        id: contextMenu

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
