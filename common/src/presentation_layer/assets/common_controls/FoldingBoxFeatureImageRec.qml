import QtQuick

// The small images and delay texts of a folding box in one row; an image without a source and
// an empty text take no room.
Item {
    id: root

    property real firstFeatureImageWidth: sizes.halfClickableSize
    property real firstFeatureImageHeight: sizes.halfClickableSize
    property alias firstFeatureImage: firstImage
    property url firstFeatureImageSource
    property url secondFeatureImageSource
    property url thirdFeatureImageSource
    property url fourthFeatureImageSource
    property url fifthFeatureImageSource
    property bool firstFeatureImageVisibile: true
    property bool secondFeatureImageVisibile: true
    property string openDelayText
    property string closeDelayText

    width: row.width
    height: sizes.halfClickableSize

    Behavior on opacity {
        NumberAnimation {
            duration: animDuration.slow
        }
    }

    component FeatureImage: Image {
        width: String(source) !== "" ? sizes.halfClickableSize : 0
        height: sizes.halfClickableSize
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        mipmap: true
    }

    component DelayText: Text {
        width: text !== "" ? sizes.halfClickableSize : 0
        height: sizes.halfClickableSize
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.four_pt
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    Row {
        id: row

        anchors.verticalCenter: parent.verticalCenter

        FeatureImage {
            id: firstImage

            width: String(source) !== "" ? root.firstFeatureImageWidth : 0
            height: root.firstFeatureImageHeight
            source: root.firstFeatureImageSource
            visible: root.firstFeatureImageVisibile
        }
        FeatureImage {
            source: root.secondFeatureImageSource
            visible: root.secondFeatureImageVisibile
        }
        FeatureImage {
            source: root.thirdFeatureImageSource
        }
        FeatureImage {
            source: root.fourthFeatureImageSource
        }
        DelayText {
            text: root.openDelayText
        }
        FeatureImage {
            source: root.fifthFeatureImageSource
        }
        DelayText {
            text: root.closeDelayText
        }
    }
}
