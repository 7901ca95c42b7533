import QtQuick

// A live value: the name at the left and the value right-aligned at the right; loading dots
// stand in for the value until one arrives.
Item {
    id: root

    property string dataText: "-"
    property string livelabelName
    property string loadingDotText
    property string toolTipText: ""

    readonly property bool waiting: dataText === "-" || dataText === ""

    function followDataText() {
        if (waiting)
            loadingDots.start()
        else
            loadingDots.stop()
    }

    width: sizes.eventGroupWidth
    height: sizes.clickableSize * 0.75

    onWaitingChanged: followDataText()
    Component.onCompleted: followDataText()

    Text {
        anchors.left: parent.left
        anchors.leftMargin: margin.defaultPadding
        width: parent.width / 2 - margin.defaultPadding
        height: parent.height
        text: root.livelabelName + ":"
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Text {
        objectName: "dataText"
        anchors.right: parent.right
        anchors.rightMargin: margin.defaultPadding
        width: parent.width / 2 - margin.defaultPadding
        height: parent.height
        visible: !root.waiting
        text: root.dataText
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideLeft
    }

    XLoadingDots {
        id: loadingDots

        objectName: "liveLabelDots"
        anchors.right: parent.right
        anchors.rightMargin: margin.defaultPadding
        height: parent.height
        visible: root.waiting
        loadingDotsLabel: root.loadingDotText
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
