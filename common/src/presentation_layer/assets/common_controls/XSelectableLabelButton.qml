import QtQuick

// A labelled button that flips between "selected" and "deselected" at each click; users watch
// its state.
Item {
    id: root

    property color borderColor: globalColors.SECONDARY
    property color deselectedLabelColor: globalColors.DARKGREY
    property color selectedLabelColor: globalColors.SELECTED_TEXT_COLOR
    property color selectedColor: globalColors.SECONDARY
    property int bitValue: 0
    property string buttonText
    property real buttonRadius: radii.ten

    width: sizes.doubleClickableSize
    height: sizes.clickableSize
    state: "deselected"

    states: [
        State {
            name: "selected"

            PropertyChanges {
                target: face
                color: root.selectedColor
            }
            PropertyChanges {
                target: label
                color: root.selectedLabelColor
            }
        },
        State {
            name: "deselected"

            PropertyChanges {
                target: face
                color: globalColors.BUTTON_TEXT_COLOR
            }
            PropertyChanges {
                target: label
                color: root.deselectedLabelColor
            }
        }
    ]

    transitions: Transition {
        ColorAnimation {
            duration: animDuration.slow
        }
    }

    Rectangle {
        id: face

        anchors.fill: parent
        anchors.leftMargin: margin.defaultPadding / 2
        anchors.rightMargin: margin.defaultPadding / 2
        anchors.topMargin: margin.defaultPadding
        anchors.bottomMargin: margin.defaultPadding
        radius: root.buttonRadius
        border.color: root.borderColor

        Text {
            id: label

            anchors.fill: parent
            text: root.buttonText
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    MouseArea {
        anchors.fill: parent
        onReleased: mouse => {
            if (contains(Qt.point(mouse.x, mouse.y)))
                root.state = root.state === "selected" ? "deselected" : "selected"
        }
    }
}
