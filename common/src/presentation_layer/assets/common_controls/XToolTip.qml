import QtQuick
import QtQuick.Controls.Basic

// The tooltip of every control. While the user has switched tooltips off it keeps its place in
// the controls but shows nothing: no width, no background, transparent text.
ToolTip {
    id: root

    delay: 500
    leftPadding: margin.two
    rightPadding: margin.two
    topPadding: margin.one
    bottomPadding: margin.one
    width: showTooltips ? Math.min(Math.ceil(textMetrics.advanceWidth) + margin.four, 2 * sizes.sidebarNavigation)
                        : 0
    font.family: fonts.family
    font.pointSize: fonts.five_pt

    TextMetrics {
        id: textMetrics

        font: root.font
        text: root.text
    }

    contentItem: Text {
        text: root.text
        font: root.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        color: showTooltips ? globalColors.TITLE_COLOR : globalColors.TRANSPARENT
    }

    background: Rectangle {
        visible: showTooltips
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: globalColors.PARTING_LINE_COLOR
    }
}
