import QtQuick

// Every image of the image set with its resource path.
Flickable {
    id: page

    contentHeight: flow.height + 2 * margin.five
    clip: true

    Flow {
        id: flow

        x: margin.five
        y: margin.five
        width: page.width - 2 * margin.five
        spacing: margin.four

        Repeater {
            model: gallery.imagePaths

            Column {
                id: tile

                required property string modelData

                width: 3.2 * sizes.clickableSize
                spacing: margin.one

                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 1.5 * sizes.clickableSize
                    height: width
                    radius: radii.ten
                    color: globalColors.MEDIUMGREY

                    Image {
                        anchors.fill: parent
                        anchors.margins: margin.one
                        source: tile.modelData
                        fillMode: Image.PreserveAspectFit
                        mipmap: true
                    }
                }

                Text {
                    width: parent.width
                    text: tile.modelData.replace("qrc:/images/", "")
                    color: globalColors.TITLE_COLOR
                    font.family: fonts.family
                    font.pointSize: fonts.four_pt
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WrapAnywhere
                }
            }
        }
    }
}
