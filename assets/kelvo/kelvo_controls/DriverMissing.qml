import QtQuick
import QtQml.Models
import KelvoStringKeys 1.0

// Shown as start options when a plug-in's library cannot be loaded.
ObjectModel {
    id: root

    property real elementWidth: sizes.eventGroupWidth + margin.six

    Rectangle {
        objectName: "missingRec"
        width: root.elementWidth
        height: 5 * sizes.clickableSize
        color: globalColors.TRANSPARENT

        Text {
            anchors.fill: parent
            anchors.margins: margin.defaultPadding
            text: kelvo.getTranslation(KelvoStringKeys.INFO_MSG_DRIVER_MISSING)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            color: globalColors.SELECTED_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
        }
    }
}
