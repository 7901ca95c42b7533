import QtQuick

// The short description of a folding box: half a clickable size high per line of text.
XLabel {
    height: sizes.halfClickableSize * Math.max(1, lineCount)
    label.anchors.topMargin: 0
    label.anchors.bottomMargin: 0
}
