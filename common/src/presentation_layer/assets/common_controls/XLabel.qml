import QtQuick

// A word-wrapped, vertically centred text with an optional tooltip.
Item {
    id: root

    property string toolTipText: ""
    property alias label: label
    property alias labelText: label.text
    property alias labelColor: label.color
    property alias labelFontSize: label.font.pointSize
    property alias labelFontWeight: label.font.weight
    readonly property alias lineCount: label.lineCount

    width: sizes.tripleClickableSize
    height: sizes.clickableSize

    Behavior on opacity {
        NumberAnimation {
            duration: animDuration.slow
        }
    }
    Behavior on height {
        NumberAnimation {
            duration: animDuration.half
        }
    }

    Text {
        id: label

        anchors.fill: parent
        anchors.margins: margin.defaultPadding
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }

    MouseArea {
        id: hoverArea

        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        hoverEnabled: root.toolTipText !== ""
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: hoverArea.containsMouse && text !== ""
    }
}
