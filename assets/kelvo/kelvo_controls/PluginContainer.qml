import QtQuick
import InstallationState 1.0

// The launcher: one PluginButton per plug-in of the running channel, in a scrolling flow. It
// keeps one button's start options open at a time.
Flickable {
    id: root

    property bool useMobileLayout: false
    property int openedPluginId: -1

    signal showStartOptions(int appId)
    signal startStartOptionsSave
    signal enableStartOptionItems(bool value)
    signal resetPluginButtons
    signal closePluginButton(string openingButton)
    signal vireoStarted

    function changeVisibility(value) {
        visible = value
        flow.visible = value
    }

    function closeOtherButtons(openingButton) {
        closePluginButton(openingButton)
    }

    function startVireo() {
        flow.visible = false
        vireoTimer.start()
    }

    function setButtonGridVisibility(value) {
        flow.visible = value
    }

    function setFlickableVisibility(value) {
        visible = value
    }

    objectName: "pluginContainer"
    boundsBehavior: Flickable.StopAtBounds
    contentWidth: flow.width
    contentHeight: flow.height
    clip: true

    Flow {
        id: flow

        width: root.width
        height: 2.5 * root.height
        spacing: margin.two

        move: Transition {
            NumberAnimation {
                properties: "x,y"
                duration: animDuration.full
                easing.type: Easing.InOutQuad
            }
        }

        Repeater {
            id: repeater

            model: productManager.productListModel
            onCountChanged: {
                if (kelvo.isVireo() && count === 1)
                    root.startVireo()
            }

            delegate: PluginButton {
                id: button

                useMobileLayout: root.useMobileLayout
                onPluginButtonStateChanged: {
                    if (pluginButtonState === InstallationState.INSTALLED_STARTOPTIONS) {
                        root.openedPluginId = appId
                        root.closeOtherButtons(pluginName)
                    }
                }
                onStartOptionsClosed: root.enableStartOptionItems(true)

                Connections {
                    target: root

                    function onClosePluginButton(openingButton) {
                        if (openingButton === button.pluginName)
                            return
                        button.resetButton()
                        button.enablePluginButton(false)
                    }
                    function onEnableStartOptionItems(value) {
                        if (button.appId !== root.openedPluginId)
                            button.enableContentModel(value)
                    }
                    function onStartStartOptionsSave() {
                        if (button.appId === root.openedPluginId
                                && typeof button.mContentModel.save === "function")
                            button.mContentModel.save()
                    }
                    function onResetPluginButtons() {
                        button.resetButton()
                    }
                    function onVireoStarted() {
                        root.showStartOptions(button.appId)
                    }
                }
            }
        }
    }

    Timer {
        id: vireoTimer

        interval: 500
        onTriggered: root.vireoStarted()
    }
}
