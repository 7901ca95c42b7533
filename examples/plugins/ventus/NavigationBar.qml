import QtQuick
import common.src.presentation_layer.assets.common_controls

// Switches the device view between its settings and its services.
Row {
    id: root

    property var parentView
    readonly property int page: parentView ? parentView.page : 0

    objectName: "ventusNavigation"
    spacing: margin.two

    XLabelButton {
        objectName: "settingsPage"
        width: (root.width - root.spacing) / 2
        height: root.height
        buttonText: qsTr("Settings")
        labelButtonColor: root.page === 0 ? globalColors.PRIMARY : globalColors.DARKGREY
        onButtonReleased: if (root.parentView) root.parentView.page = 0
    }
    XLabelButton {
        objectName: "servicePage"
        width: (root.width - root.spacing) / 2
        height: root.height
        buttonText: qsTr("Services")
        labelButtonColor: root.page === 1 ? globalColors.PRIMARY : globalColors.DARKGREY
        onButtonReleased: if (root.parentView) root.parentView.page = 1
    }
}
