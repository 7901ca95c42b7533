import QtQuick

// One entry of the gallery: the component's name above one or more instances of it.
Column {
    id: root

    property string title
    default property alias content: holder.data

    spacing: margin.two

    Text {
        text: root.title
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.six_pt
        font.bold: true
    }

    Item {
        id: holder

        width: childrenRect.x + childrenRect.width
        height: childrenRect.y + childrenRect.height
    }
}
