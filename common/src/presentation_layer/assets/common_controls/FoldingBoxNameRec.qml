import QtQuick
import QtQuick.Controls.Basic

// The name of a folding box: read-only until clicked, when editing is enabled.
Item {
    id: root

    property bool isEditingEnabled: true
    property alias foldingboxNameTextField: textField
    property alias foldingBoxName: textField.text
    property string toolTipText: ""
    property alias maxNameLength: textField.maximumLength

    width: sizes.tripleClickableSize
    height: sizes.halfClickableSize

    function finishEditing() {
        textField.readOnly = true
        textField.deselect()
        textField.focus = false
        Qt.inputMethod.hide()
    }

    TextField {
        id: textField

        objectName: "foldingBoxNameTextField"
        anchors.fill: parent
        padding: 0
        readOnly: true
        selectByMouse: !readOnly
        color: globalColors.TITLE_COLOR
        selectionColor: globalColors.SECONDARY
        selectedTextColor: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: TextInput.AlignVCenter
        background: Rectangle {
            color: globalColors.TRANSPARENT
        }
        onEditingFinished: root.finishEditing()
    }

    MouseArea {
        anchors.fill: parent
        enabled: root.isEditingEnabled && textField.readOnly
        onClicked: {
            textField.readOnly = false
            textField.forceActiveFocus()
            textField.selectAll()
        }
    }

    HoverHandler {
        id: hover
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: hover.hovered && text !== "" && text !== "..."
    }
}
