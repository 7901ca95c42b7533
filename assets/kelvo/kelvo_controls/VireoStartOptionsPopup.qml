import QtQuick
import Qt5Compat.GraphicalEffects
import CommonStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The start options of the single-plug-in mode, centred over the page.
FilterRectangle {
    id: root

    property alias panel: panel
    property alias listView: listView

    function listContentHeight() {
        let sum = 1.5 * sizes.clickableSize
        const model = listView.model
        if (!model || model.count === undefined)
            return sum
        for (let i = 0; i < model.count; ++i) {
            const item = model.get(i)
            if (!item)
                continue
            if (item.objectName === "foldingBox")
                sum += item.isBoxOpen ? item.foldingBoxHeightOpen : item.foldingBoxHeightClose
            else if (item.height > 0)
                sum += item.height
        }
        return sum
    }

    objectName: "vireoStartOptions"
    color: globalColors.MEDIUMLIGHTGREY

    // Beside the panel, not a layer of it: without effects only the shadow is missing. Made when
    // the panel is first shown.
    LazyLoader {
        anchors.fill: panel
        wanted: panel.visible
        sourceComponent: DropShadow {
            source: panel
            visible: panel.visible
            verticalOffset: 5
            radius: 4
            samples: 9
            color: Qt.rgba(0, 0, 0, 0.3)
            transparentBorder: true
        }
    }

    Rectangle {
        id: panel

        objectName: "vireoPanel"
        visible: false
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: margin.two
        // Taller than the page: from its top, so that the head of the list stays in view.
        y: height > root.height ? 0 : (root.height - height) / 2
        width: sizes.eventGroupWidth + margin.six
        height: root.listContentHeight() + sizes.clickableSize
        color: globalColors.CONTENT_BACKGROUND_COLOR

        Text {
            id: title

            width: parent.width
            height: sizes.clickableSize
            text: kelvo.getCommonTranslation(CommonStringKeys.TXT_WHAT_TO_DO)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.seven_pt
        }

        ListView {
            id: listView

            anchors.top: title.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            boundsBehavior: Flickable.StopAtBounds
            clip: true
        }
    }
}
