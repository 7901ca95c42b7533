import QtQuick
import Qt5Compat.GraphicalEffects
import MessageFlags 1.0
import common.src.presentation_layer.assets.common_controls

// The status lines at the bottom of the window, with an info/error filter and a search. In
// automatic mode a new line slides the box up and it slides down again 5 s after the last one;
// a box opened by hand stays open.
Item {
    id: root

    property bool isShown: false
    property bool isAutoMode: true
    property bool reduced: false
    // While false, new lines wait: the window keeps the start's lines until its first frame.
    property bool followsLines: true
    property alias autoCloseInterval: autoCloseTimer.interval
    readonly property bool errorFilter: filterContent.item !== null
                                        && filterContent.item.errorSelected

    function toggle() {
        autoCloseTimer.restart()
        isShown = !isShown
        isAutoMode = !isShown
    }

    function selectLastLine() {
        const list = listContent.item ? listContent.item.list : null
        if (!list)
            return
        list.currentIndex = list.count - 1
        list.positionViewAtEnd()
    }

    function newLines() {
        // After the view has taken in the new rows, which would move the current row again.
        Qt.callLater(selectLastLine)
        if (isAutoMode)
            autoCloseTimer.restart()
        if (!isShown)
            isShown = true
    }

    function filterChanged(button, other) {
        if (button.selected) {
            other.selected = false
            messageModel.flag = button.flag
        } else if (!other.selected) {
            messageModel.flag = MessageFlags.NONE
        }
    }

    objectName: "statusBox"
    onFollowsLinesChanged: {
        if (followsLines && messageModel.rowCount() > 0)
            newLines()
    }
    Component.onCompleted: {
        if (followsLines && messageModel.rowCount() > 0)
            newLines()
    }
    // Hidden, the toggle button still rests on the window's bottom edge, so that the user can
    // open the box by hand.
    anchors.bottomMargin: isShown ? 0 : -(textArea.height - margin.one)
    // The software renderer cannot draw effects and would drop the whole panel with its shadow.
    layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
    layer.effect: DropShadow {
        horizontalOffset: 5
        verticalOffset: 0
        radius: 4
        samples: 9
        color: Qt.rgba(0, 0, 0, 0.3)
        transparentBorder: true
    }

    Behavior on anchors.bottomMargin {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.InOutQuad
        }
    }

    Connections {
        target: messageModel

        function onDataUpdated() {
            if (root.followsLines)
                root.newLines()
        }
    }

    // Until the list exists, the new rows are counted here.
    Connections {
        target: messageModel
        enabled: root.followsLines && !listContent.active

        function onRowsInserted() {
            root.newLines()
        }
    }

    Timer {
        id: autoCloseTimer

        objectName: "autoCloseTimer"
        interval: 5000
        onTriggered: {
            if (root.isAutoMode)
                root.isShown = false
        }
    }

    Rectangle {
        id: filterBar

        objectName: "filterBar"
        anchors.bottom: textArea.top
        anchors.bottomMargin: root.isShown ? -margin.one : -height
        anchors.right: root.reduced ? parent.right : viewButton.left
        width: root.reduced ? parent.width : 6 * 1.5 * sizes.clickableSize
        height: sizes.clickableSize
        color: globalColors.STATUSBOX
        radius: radii.ten

        Behavior on anchors.bottomMargin {
            NumberAnimation {
                duration: animDuration.full
                easing.type: Easing.InOutQuad
            }
        }

        // The buttons and the search field are made when the box is first shown.
        LazyLoader {
            id: filterContent

            anchors.fill: parent
            wanted: root.isShown
            sourceComponent: Item {
                readonly property bool errorSelected: errorButton.selected

                Row {
                    id: filterButtons

                    anchors.left: parent.left
                    anchors.leftMargin: margin.two
                    height: parent.height

                    FilterButton {
                        id: infoButton

                        objectName: "infoFilterButton"
                        text: "Info"
                        flag: MessageFlags.INFO
                        onToggled: root.filterChanged(infoButton, errorButton)
                    }
                    FilterButton {
                        id: errorButton

                        objectName: "errorFilterButton"
                        text: "Error"
                        flag: MessageFlags.ERROR
                        onToggled: root.filterChanged(errorButton, infoButton)
                    }
                }

                Rectangle {
                    anchors.left: filterButtons.right
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.leftMargin: margin.defaultPadding
                    anchors.rightMargin: margin.two
                    height: parent.height - 2 * margin.defaultPadding
                    color: globalColors.CONTENT_BACKGROUND_COLOR
                    border.color: globalColors.PRIMARY
                    radius: radii.ten

                    Image {
                        id: searchIcon

                        anchors.left: parent.left
                        anchors.leftMargin: margin.defaultPadding
                        anchors.verticalCenter: parent.verticalCenter
                        height: parent.height - 2 * margin.defaultPadding
                        width: height
                        source: "qrc:/images/icons/button/search.png"
                        fillMode: Image.PreserveAspectFit
                        mipmap: true
                    }

                    TextInput {
                        objectName: "searchInput"
                        anchors.left: searchIcon.right
                        anchors.right: parent.right
                        anchors.margins: margin.defaultPadding
                        anchors.verticalCenter: parent.verticalCenter
                        clip: true
                        color: globalColors.DARKGREY
                        selectByMouse: true
                        font.family: fonts.family
                        font.pointSize: fonts.five_pt
                        onTextChanged: messageModel.setFilterFixedString(text)
                    }
                }
            }
        }
    }

    XImageButton {
        id: viewButton

        objectName: "viewButton"
        anchors.right: parent.right
        anchors.bottom: root.reduced ? filterBar.top : textArea.top
        anchors.bottomMargin: -margin.one
        width: root.reduced ? sizes.doubleClickableSize : sizes.clickableSize
        height: root.isShown && !root.reduced ? sizes.clickableSize : sizes.halfClickableSize
        color: globalColors.STATUSBOX
        radius: radii.ten
        buttonPadding: root.reduced ? 0 : margin.defaultPadding
        imageSource: root.isShown ? "qrc:/images/icons/foldingbox/open/white.png"
                                  : "qrc:/images/icons/button/prio/up.png"
        rotation: !root.isShown ? 0 : root.reduced ? 180 : -90
        onButtonReleased: root.toggle()
    }

    Rectangle {
        id: textArea

        objectName: "statusTextArea"
        anchors.bottom: parent.bottom
        width: parent.width
        height: root.height - viewButton.height - (root.reduced ? filterBar.height : 0)
        color: globalColors.STATUSBOX
        radius: root.reduced ? 0 : radii.ten

        // The list is made when the box is first shown.
        LazyLoader {
            id: listContent

            anchors.fill: parent
            anchors.margins: margin.defaultPadding
            wanted: root.isShown
            sourceComponent: Rectangle {
                property alias list: messageList

                color: globalColors.CONTENT_BACKGROUND_COLOR

                ListView {
                    id: messageList

                    objectName: "messageList"
                    anchors.fill: parent
                    anchors.margins: margin.defaultPadding
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: messageModel
                    onCountChanged: root.newLines()

                    delegate: Text {
                        required property string print_text
                        required property color text_color

                        width: messageList.width
                        text: print_text
                        color: root.errorFilter ? globalColors.TITLE_COLOR : text_color
                        wrapMode: Text.Wrap
                        font.family: fonts.family
                        font.pointSize: fonts.five_pt
                    }
                }
            }
        }
    }

    // A caption that flips between selected and not at each click.
    component FilterButton: Item {
        id: filterButton

        property bool selected: false
        property int flag
        property alias text: caption.text

        signal toggled

        width: 1.5 * sizes.clickableSize
        height: parent.height

        Rectangle {
            anchors.fill: parent
            anchors.margins: margin.defaultPadding
            radius: radii.ten
            // Unselected on the content colour: the caption must stand out on the bar.
            color: filterButton.selected ? globalColors.PRIMARY
                                         : globalColors.CONTENT_BACKGROUND_COLOR
            border.color: globalColors.PRIMARY

            Text {
                id: caption

                anchors.fill: parent
                color: filterButton.selected ? globalColors.BUTTON_TEXT_COLOR : globalColors.PRIMARY
                font.family: fonts.family
                font.pointSize: fonts.five_pt
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                filterButton.selected = !filterButton.selected
                filterButton.toggled()
            }
        }
    }
}
