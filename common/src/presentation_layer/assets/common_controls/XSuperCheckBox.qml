import QtQuick
import QtQuick.Controls.Basic

// A check box, or, with isMultipleCheckBox, a vent command box that cycles through none (5),
// open (1), close (2) and stop (0). A badge at the top right counts what the box stands for.
CheckBox {
    id: root

    property bool isMultipleCheckBox: false
    property bool isRelay: false
    property int checkBoxState: 5
    property color badgeBackgroundColor: globalColors.LIGHTGREY
    property string badge: "0"
    property color badgeColor: globalColors.SIDEBAR_COLOR
    property string toolTipText: ""

    readonly property url stateImage: {
        if (!isMultipleCheckBox)
            return checked ? "qrc:/images/uielements/checkbox/checked/enabled.png" : ""
        switch (checkBoxState) {
        case 1:
            return "qrc:/images/icons/group/vent/open/enabled.png"
        case 2:
            return "qrc:/images/icons/group/vent/close/enabled.png"
        case 0:
            return "qrc:/images/icons/group/vent/block/enabled.png"
        default:
            return ""
        }
    }

    // 5 -> 1 -> 2 -> 0 -> 5; a state the box does not know counts as none.
    function nextState(state) {
        switch (state) {
        case 1:
            return 2
        case 2:
            return 0
        case 0:
            return 5
        default:
            return 1
        }
    }

    objectName: "checkBox"
    width: sizes.clickableSize
    height: sizes.clickableSize
    padding: 0
    spacing: 0
    hoverEnabled: true

    onClicked: {
        if (isMultipleCheckBox)
            checkBoxState = nextState(checkBoxState)
    }
    // A box that cannot be used must not claim a choice.
    onEnabledChanged: {
        if (!enabled && checked)
            checked = false
    }

    indicator: Rectangle {
        x: (root.width - width) / 2
        y: (root.height - height) / 2
        width: 28
        height: 28
        antialiasing: false
        color: root.enabled ? globalColors.CONTENT_BACKGROUND_COLOR : globalColors.DISABLED_COLOR
        border.color: globalColors.MEDIUMGREY

        Image {
            anchors.fill: parent
            anchors.margins: 1
            source: root.stateImage
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.PreserveAspectFit
        }
    }

    contentItem: Item {}

    Rectangle {
        id: badgeFrame

        readonly property bool warns: root.isRelay && root.badge !== "0" && root.badge !== "1"

        x: root.width - 3 * margin.one - margin.one
        width: 3 * margin.one + margin.one
        height: 3 * margin.one
        visible: root.badge !== "0"
        radius: radii.ten
        color: warns ? globalColors.CONTENT_BACKGROUND_COLOR : root.badgeBackgroundColor
        border.width: warns ? 0.5 * margin.one : 0
        border.color: globalColors.RED

        Text {
            objectName: "badge"
            x: margin.one
            width: 3 * margin.one
            height: parent.height
            text: root.badge
            // A warning badge stands on the page's own background, so its text takes the text colour.
            color: badgeFrame.warns ? globalColors.TITLE_COLOR : root.badgeColor
            font.family: fonts.family
            font.pointSize: fonts.four_pt
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: 1
        }
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: root.isRelay && root.hovered && text !== ""
    }
}
