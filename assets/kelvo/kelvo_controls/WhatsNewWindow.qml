import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// Six pages of pictures of what this version brings; `imageSuffix` picks the language of their
// captions ("" German, "_en" English).
Window {
    id: root

    property string imageSuffix: ""
    readonly property bool onLastPage: swipeView.currentIndex === swipeView.count - 1

    objectName: "whatsNewWindow"
    width: 1200
    height: 800
    modality: Qt.WindowModal
    title: appName + " " + versionnumber
    color: globalColors.CONTENT_BACKGROUND_COLOR

    CancelButton {
        objectName: "whatsNewCancelButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: margin.one
        width: sizes.rangeMonthButtonHeight
        height: sizes.rangeMonthButtonHeight
        onButtonReleased: root.close()
    }

    Text {
        id: title

        anchors.top: parent.top
        anchors.topMargin: margin.four
        anchors.horizontalCenter: parent.horizontalCenter
        height: sizes.clickableSize * 1.5
        text: "WHAT'S NEW"
        color: globalColors.TITLE_COLOR
        font.bold: true
        font.pointSize: fonts.twelve_pt
        font.family: fonts.family
        verticalAlignment: Text.AlignVCenter
    }

    SwipeView {
        id: swipeView

        objectName: "whatsNewPages"
        anchors.top: title.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: sizes.clickableSize + margin.two
        clip: true

        Repeater {
            model: 6

            Image {
                required property int index

                source: "qrc:/assets/whats_new/" + index + root.imageSuffix + ".png"
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                mipmap: true
            }
        }
    }

    PageIndicator {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: margin.two
        anchors.horizontalCenter: parent.horizontalCenter
        count: swipeView.count
        currentIndex: swipeView.currentIndex
    }

    XLabelButton {
        objectName: "whatsNewBackButton"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: margin.one
        width: 3 * sizes.clickableSize
        height: sizes.clickableSize
        visible: swipeView.currentIndex !== 0
        buttonText: kelvo.getTranslation(KelvoStringKeys.TXT_BACK)
        onButtonReleased: swipeView.decrementCurrentIndex()
    }

    XLabelButton {
        objectName: "whatsNewNextButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: margin.one
        width: 3 * sizes.clickableSize
        height: sizes.clickableSize
        buttonText: root.onLastPage ? kelvo.getCommonTranslation(CommonStringKeys.TXT_CLOSE)
                                    : kelvo.getTranslation(KelvoStringKeys.TXT_NEXT)
        onButtonReleased: {
            if (root.onLastPage)
                root.close()
            else
                swipeView.incrementCurrentIndex()
        }
    }
}
