import QtQuick
import CommonStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The drawer with the assembly instructions of the maker's device families.
FilterRectangle {
    id: root

    property bool useMobileLayout: false
    property real contentPadding: margin.defaultPadding
    property var header

    // Slides the drawer in; it is created at its first showing.
    function show() {
        content.wanted = true
        anchors.topMargin = 0
    }

    objectName: "assemblyInstructions"
    onFilterClicked: {
        hide()
        if (header && header.moiButtonWasPressed)
            header.moiButtonWasPressed = false
    }

    LazyLoader {
        id: content

        anchors.fill: parent
        sourceComponent: Item {
            DrawerWindow {
                id: drawer

                anchors.left: parent.left
                anchors.leftMargin: root.useMobileLayout ? 0 : margin.two
                width: root.useMobileLayout ? parent.width : sizes.eventGroupPopUpWidth
                height: simpleHeader.height + 3 * sizes.clickableSize + margin.eight
                radius: radii.ten

                SimpleHeader {
                    id: simpleHeader

                    width: parent.width
                    height: sizes.clickableSize
                    contentPadding: root.contentPadding
                    imageSource: "qrc:/images/icons/button/manual.png"
                    text: kelvo.getCommonTranslation(CommonStringKeys.BTN_ASSEMBLY_INSTRUCTIONS)
                    lineColor: globalColors.SECONDARY
                }

                Column {
                    anchors.top: simpleHeader.bottom
                    anchors.topMargin: margin.four
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.margins: root.contentPadding

                    XLabelButton {
                        objectName: "kastorPlusInstructions"
                        width: parent.width
                        height: sizes.clickableSize
                        buttonText: "Kastor+ " + kelvo.getCommonTranslation(CommonStringKeys.BTN_ASSEMBLY_INSTRUCTIONS)
                        onButtonReleased: kelvo.openAssemblyInstructions("kastorplus", false)
                    }
                    XLabelButton {
                        width: parent.width
                        height: sizes.clickableSize
                        buttonText: "Pelion " + kelvo.getCommonTranslation(CommonStringKeys.BTN_ASSEMBLY_INSTRUCTIONS)
                        onButtonReleased: kelvo.openAssemblyInstructions("pelion", false)
                    }
                    XLabelButton {
                        width: parent.width
                        height: sizes.clickableSize
                        buttonText: kelvo.getCommonTranslation(CommonStringKeys.BTN_KNX_ASSEMBLY_INSTRUCTIONS)
                        onButtonReleased: kelvo.openAssemblyInstructions("kastorplus", true)
                    }
                }
            }
        }
    }
}
