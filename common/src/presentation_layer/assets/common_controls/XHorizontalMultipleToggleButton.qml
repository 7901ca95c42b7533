import QtQuick

// A one-of-many choice with the options side by side. Users append entries with the roles
// "text", "value" and, optionally, "hint" to `options`, or show a model of their own through
// `optionsModel`. Choosing only moves the selection; users watch `selectedItem`.
Item {
    id: root

    property real elementWidth: sizes.doubleClickableSize
    property real elementHeight: sizes.clickableSize
    property ListModel options: ListModel {}
    property var optionsModel: options
    property alias selectedItem: list.currentIndex
    property real elementSpacing: margin.one
    property string toggleButtonName
    property alias selectionHighlight: highlight
    property var menuItems: []
    property string toolTipText: ""
    property real toogleButtonFontSize: fonts.five_pt

    signal contextMenuItemClicked(int menuIndex)

    // The shown option at an index of a list model or of a plain array of objects.
    function optionAt(index) {
        if (!optionsModel || index < 0)
            return undefined
        return optionsModel.get ? optionsModel.get(index) : optionsModel[index]
    }

    // Leaves the selection alone when no option carries the value.
    function selectByValue(value) {
        for (let index = 0; index < list.count; ++index) {
            const option = optionAt(index)
            if (option && option.value === value) {
                selectedItem = index
                return
            }
        }
    }

    function hintOf(index) {
        const option = optionAt(index)
        return option && option.hint ? String(option.hint) : ""
    }

    width: Math.max(sizes.eventGroupWidth, list.contentWidth + 2 * margin.defaultPadding)
    height: 2 * sizes.clickableSize

    Text {
        id: name

        x: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: parent.height - root.elementHeight - margin.defaultPadding
        visible: text !== ""
        text: root.toggleButtonName
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight

        MouseArea {
            id: nameArea

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

    Rectangle {
        id: highlight

        parent: list.contentItem
        x: list.currentItem ? list.currentItem.x : 0
        width: root.elementWidth
        height: root.elementHeight
        visible: list.currentItem !== null
        color: globalColors.PRIMARY

        Behavior on x {
            NumberAnimation {
                duration: animDuration.full
                easing.type: Easing.InOutQuad
            }
        }
    }

    ListView {
        id: list

        property int hoveredIndex: -1

        x: margin.defaultPadding
        anchors.bottom: parent.bottom
        anchors.bottomMargin: margin.defaultPadding
        width: parent.width - 2 * margin.defaultPadding
        height: root.elementHeight
        orientation: ListView.Horizontal
        spacing: root.elementSpacing
        interactive: false
        model: root.optionsModel
        highlightFollowsCurrentItem: false

        delegate: Rectangle {
            id: option

            required property int index
            required property var model
            // Entries of a list model, or objects of a plain array.
            readonly property var entry: model.modelData !== undefined ? model.modelData : model

            objectName: "option" + index
            width: root.elementWidth
            height: root.elementHeight
            z: 1
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
                font.pointSize: root.toogleButtonFontSize
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                elide: Text.ElideRight
            }

            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: mouse => {
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openIfNotEmpty()
                }
                onReleased: mouse => {
                    if (mouse.button === Qt.LeftButton && !contextMenu.opened
                            && contains(Qt.point(mouse.x, mouse.y)))
                        list.currentIndex = option.index
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
        visible: text !== "" && (holdTip.running || nameArea.containsMouse || list.hoveredIndex !== -1)
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"

        menuItemNames: root.menuItems
        onExecuteAction: menuIndex => root.contextMenuItemClicked(menuIndex)
    }

    Component.onCompleted: contextMenu.addMenuItem()
}
