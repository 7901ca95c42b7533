import QtQuick
import common.src.presentation_layer.assets.common_controls

// Minimal update dialog drawer: the area and its step, until the full dialog replaces it.
FilterRectangle {
    id: root

    property bool useMobileLayout: false
    property int dialogState: 0

    objectName: "updateDialog"
    onFilterClicked: hide()
}
