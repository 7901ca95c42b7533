import QtQuick
import QtTest

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        id: testCase

        name: "Infrastructure"
        stage: stage

        function test_contract_data() {
            return [{
                    tag: "XToolTip",
                    properties: {
                        text: "",
                        delay: 500
                    }
                }, {
                    tag: "XMenu",
                    properties: {
                        menuItemNames: [],
                        title: "QuickSettings",
                        width: sizes.contextMenuStandardWidth
                    },
                    signals: ["executeAction"],
                    functions: ["addMenuItem", "openIfNotEmpty"]
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        function test_emptyMenuStaysShutAndEmpty() {
            const menu = make("XMenu")
            menu.addMenuItem()
            compare(menu.count, 0)
            menu.openIfNotEmpty()
            verify(!menu.opened)
            verify(!menu.visible)
        }

        function test_menuItemsReportTheirIndex() {
            const menu = make("XMenu", {
                                  "menuItemNames": ["Rename", "Copy", "Delete"]
                              })
            menu.addMenuItem()
            compare(menu.count, 3)
            compare(menu.itemAt(2).text, "Delete")
            menu.openIfNotEmpty()
            tryVerify(() => menu.opened)
            const actionSpy = spy(menu, "executeAction")
            const item = menu.itemAt(1)
            tryVerify(() => item.y > 0, 1000, "the menu lays out its items")
            waitForItemPolished(menu.contentItem.parent)
            mouseClick(item)
            compare(actionSpy.count, 1)
            compare(actionSpy.signalArguments[0][0], 1)
            tryVerify(() => !menu.visible)
        }

        function test_oneItemMenuOpens() {
            const menu = make("XMenu", {
                                  "menuItemNames": ["Delete plug-in"]
                              })
            menu.addMenuItem()
            menu.openIfNotEmpty()
            tryVerify(() => menu.opened)
        }

        // Switching tooltips off takes effect at once, also on a tooltip already showing.
        function test_tooltipFollowsTheSetting() {
            const tip = make("XToolTip", {
                                 "text": "Saves the configuration",
                                 "delay": 0
                             })
            tip.open()
            tryVerify(() => tip.opened)
            verify(tip.width > 0)
            verify(tip.width <= 2 * sizes.sidebarNavigation)
            verify(Qt.colorEqual(tip.contentItem.color, globalColors.TITLE_COLOR))
            kelvo.setShowTooltips(false)
            compare(tip.width, 0)
            verify(Qt.colorEqual(tip.contentItem.color, "transparent"))
            verify(!tip.background.visible)
        }

        function test_longTooltipIsCappedAndWraps() {
            const tip = make("XToolTip", {
                                 "text": "word ".repeat(200),
                                 "delay": 0
                             })
            tip.open()
            tryVerify(() => tip.opened)
            fuzzyCompare(tip.width, 2 * sizes.sidebarNavigation, 0.5)
            verify(tip.contentItem.lineCount > 1)
        }
    }

}
