import QtQuick
import QtQuick.Controls.Basic

// The context menu of the controls: one item per entry of `menuItemNames`; choosing an item
// reports its index through executeAction.
Menu {
    id: root

    property var menuItemNames: []

    signal executeAction(int menuIndex)

    // Appends one item per name, in list order.
    function addMenuItem() {
        for (let index = 0; index < menuItemNames.length; ++index) {
            const item = menuItemComponent.createObject(null, {
                                                            "text": menuItemNames[index]
                                                        })
            item.triggered.connect(() => executeAction(index))
            addItem(item)
        }
    }

    function openIfNotEmpty() {
        if (menuItemNames.length > 0 && count > 0 && !opened)
            popup()
    }

    title: "QuickSettings"
    width: sizes.contextMenuStandardWidth
    font.family: fonts.family
    font.pointSize: fonts.five_pt

    background: Rectangle {
        implicitWidth: root.width
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: globalColors.PARTING_LINE_COLOR
    }

    Component {
        id: menuItemComponent

        MenuItem {
            id: item

            implicitHeight: sizes.rangeMonthButtonHeight

            contentItem: Text {
                leftPadding: margin.two
                text: item.text
                font: item.font
                color: item.highlighted ? globalColors.PRIMARY : globalColors.TITLE_COLOR
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }

            background: Rectangle {
                color: item.highlighted ? globalColors.HOVER_HIGHLIGHT : globalColors.TRANSPARENT
            }
        }
    }
}
