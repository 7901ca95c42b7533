import QtQuick
import QtQuick.Controls.Basic

// An editable list choice that learns: a finished edit with a text the list does not hold yet
// adds that text as a new entry.
Item {
    id: root

    property real buttonPadding: margin.defaultPadding
    property ListModel mContentModel: ListModel {}
    property alias comboBox: comboBox
    property alias comboBoxEnabled: comboBox.enabled
    property string toolTipText: ""

    // Appends the typed text unless an entry already has it, and selects the typed entry.
    function addNewElement() {
        const text = comboBox.editText
        if (text === "")
            return
        let index = comboBox.find(text, Qt.MatchExactly)
        if (index === -1) {
            mContentModel.append({
                                     "text": text
                                 })
            index = mContentModel.count - 1
        }
        comboBox.currentIndex = index
    }

    width: sizes.eventGroupWidth
    height: sizes.clickableSize

    ComboBox {
        id: comboBox

        objectName: "comboBox"
        anchors.fill: parent
        anchors.margins: root.buttonPadding
        // The text ends before the triangle, so that a click on the triangle opens the list.
        rightPadding: indicator.width + 2 * margin.two
        editable: true
        hoverEnabled: true
        model: root.mContentModel
        textRole: "text"
        font.family: fonts.family
        font.pointSize: fonts.five_pt

        onAccepted: root.addNewElement()

        HoverHandler {
            id: hover
        }

        contentItem: TextField {
            objectName: "comboBoxTextField"
            leftPadding: margin.four
            rightPadding: margin.one
            text: comboBox.editText
            font: comboBox.font
            color: globalColors.TITLE_COLOR
            selectionColor: globalColors.SECONDARY
            selectedTextColor: globalColors.TITLE_COLOR
            verticalAlignment: Text.AlignVCenter
            selectByMouse: true
            readOnly: !comboBox.editable
            inputMethodHints: comboBox.inputMethodHints
            validator: comboBox.validator
            background: Item {}
            // Enter is handled by the combo box (accepted); leaving the field finishes the edit too.
            onActiveFocusChanged: {
                if (!activeFocus)
                    root.addNewElement()
            }
        }

        indicator: Canvas {
            readonly property color fill: comboBox.pressed ? globalColors.DESELECTED_TEXT_COLOR
                                                           : globalColors.DARKGREY

            x: comboBox.width - width - margin.two
            y: (comboBox.height - height) / 2
            width: 12
            height: 8
            onFillChanged: requestPaint()
            onPaint: {
                const context = getContext("2d")
                context.reset()
                context.moveTo(0, 0)
                context.lineTo(width, 0)
                context.lineTo(width / 2, height)
                context.closePath()
                context.fillStyle = fill
                context.fill()
            }
        }

        background: Rectangle {
            radius: radii.ten
            color: globalColors.CONTENT_BACKGROUND_COLOR
            border.color: globalColors.DARKGREY
            border.width: comboBox.activeFocus || comboBox.contentItem.activeFocus ? 2 : 1
        }

        delegate: ItemDelegate {
            id: entry

            required property int index
            required property var model

            width: ListView.view.width
            text: model.text
            height: sizes.rangeMonthButtonHeight
            highlighted: comboBox.highlightedIndex === index
            hoverEnabled: comboBox.hoverEnabled
            contentItem: Text {
                text: entry.text
                color: globalColors.TITLE_COLOR
                font: comboBox.font
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
            background: Rectangle {
                color: entry.highlighted ? globalColors.HOVER_HIGHLIGHT : globalColors.TRANSPARENT
            }
        }

        popup: Popup {
            y: comboBox.height
            width: comboBox.width
            height: Math.min(contentItem.implicitHeight + 2 * padding, 3 * sizes.clickableSize)
            padding: margin.one

            contentItem: ListView {
                clip: true
                implicitHeight: contentHeight
                model: comboBox.popup.visible ? comboBox.delegateModel : null
                currentIndex: comboBox.highlightedIndex
                ScrollIndicator.vertical: ScrollIndicator {}
            }

            background: Rectangle {
                radius: radii.ten
                color: globalColors.CONTENT_BACKGROUND_COLOR
                border.color: globalColors.DARKGREY
            }
        }
    }

    XToolTip {
        objectName: "toolTip"
        text: root.toolTipText
        visible: hover.hovered && text !== ""
    }
}
