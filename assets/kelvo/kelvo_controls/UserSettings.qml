import QtQuick
import common.src.presentation_layer.assets.common_controls

// Minimal user settings drawer: the area and its signal, until the full drawer replaces it.
FilterRectangle {
    id: root

    property bool useMobileLayout: false

    signal languageChanged

    objectName: "userSettings"
    onFilterClicked: hide()
}
