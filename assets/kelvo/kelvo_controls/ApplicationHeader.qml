import QtQuick
import Qt5Compat.GraphicalEffects
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The top bar: back and assembly-instructions buttons at the left, the plug-in's navigation
// bar next to them, the company header at the right.
Rectangle {
    id: root

    property bool isMobileLayout: false
    property bool moiButtonWasPressed: false
    property var navigationBar
    property alias companyHeader: companyHeader
    property alias backButton: backButton

    signal resetDialogBoxes
    signal setUserSettings(bool wasPressed)
    signal backButtonClicked
    signal setNavBar
    signal moiButtonClicked(bool wasPressed)

    function showHeaderElements(backButtonVisibility, companyHeaderVisibility) {
        moiButton.buttonEnabled = !backButtonVisibility
        moiButton.y = backButtonVisibility ? moiButton.height : 0
        backButton.buttonEnabled = backButtonVisibility
        backButton.y = backButtonVisibility ? 0 : backButton.height
        companyHeader.visible = companyHeaderVisibility
    }

    objectName: "headerRec"
    height: sizes.clickableSize
    z: 50
    color: globalColors.CONTENT_BACKGROUND_COLOR

    // A sibling, not a layer of the bar: where effects cannot be drawn (software rendering)
    // only the shadow is missing, never the bar.
    DropShadow {
        anchors.fill: parent
        z: -1
        source: shadowShape
        verticalOffset: 5
        horizontalOffset: 0
        radius: 4
        samples: 9
        color: Qt.rgba(0, 0, 0, 0.3)
        transparentBorder: true
    }

    Rectangle {
        id: shadowShape

        anchors.fill: parent
        visible: false
        color: "black"
    }

    Item {
        id: buttonClip

        anchors.left: parent.left
        width: 2 * sizes.clickableSize
        height: parent.height
        clip: true
    }

    XImageButton {
        id: backButton

        parent: buttonClip
        objectName: "backButton"
        width: sizes.clickableSize
        height: sizes.clickableSize
        y: height
        buttonEnabled: false
        imageSource: "qrc:/images/icons/button/back/exit.png"
        toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_BACK_BUTTON)
        onButtonReleased: root.backButtonClicked()
    }

    XImageButton {
        id: moiButton

        parent: buttonClip
        objectName: "moiButton"
        width: sizes.clickableSize
        height: sizes.clickableSize
        y: 0
        imageSource: "qrc:/images/icons/button/manual.png"
        toolTipText: kelvo.getCommonTranslation(CommonStringKeys.TOOLTIP_ASSEMBLY_INSTRUCTIONS)
        onButtonReleased: {
            root.resetDialogBoxes()
            root.moiButtonClicked(root.moiButtonWasPressed)
            root.moiButtonWasPressed = !root.moiButtonWasPressed
        }
    }

    BhCompanyHeader {
        id: companyHeader

        anchors.right: parent.right
        useMobileLayout: root.isMobileLayout
    }

    Connections {
        target: kelvo

        function onAddNavigationBar(qmlPath) {
            const component = Qt.createComponent(qmlPath)
            if (component.status !== Component.Ready) {
                console.warn("Navigation not ready", component.errorString())
                return
            }
            const bar = component.createObject(root, {
                                                   "width": sizes.sidebarNavigation
                                                            - (sizes.clickableSize + margin.two),
                                                   "height": sizes.clickableSize,
                                                   "y": 0
                                               })
            if (!bar) {
                console.warn("Navigation not ready", component.errorString())
                return
            }
            bar.anchors.left = buttonClip.left
            bar.anchors.leftMargin = backButton.width
            root.navigationBar = bar
            root.setNavBar()
        }
        function onShowHelpSiteButton(pluginName) {
            companyHeader.helpButton.visible = true
            companyHeader.helpUrl = pluginName
        }
    }
}
