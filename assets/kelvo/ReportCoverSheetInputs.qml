import QtQuick

// Minimal report cover-sheet panel: the slot the control panel fills, until the full panel
// with its inputs replaces it.
Rectangle {
    id: root

    property var saveDialog

    objectName: "coverSheetInputs"
    color: globalColors.STATUSBOX
}
