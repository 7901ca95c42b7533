import QtQuick
import QtQml.Models

// A box with a header that folds its content open and shut. The box never folds by itself:
// every click on the header emits toggled(), and its user flips isBoxOpen.
Item {
    id: root

    property bool isDisableBox: false
    property bool isBoxOpen: false
    property bool isNameEditingEnabled: false
    property bool isNotUpdating: false
    property int foldingBoxHeightOpen: sizes.clickableSize * 1.5
    property int foldingBoxHeightClose: sizes.clickableSize + 2 * margin.defaultPadding
    readonly property real contentWidth: panel.width
    property color borderColor: globalColors.FOLDINGBOX_BORDER
    property var mContentModel: ObjectModel {}
    property alias nameRec: boxNameRec
    property alias name: boxNameRec.foldingBoxName
    property alias maxNameLength: boxNameRec.maxNameLength
    property alias foldingBoxImage: boxButton
    property alias foldingBoxImageSource: boxButton.imageSource
    property alias openFoldingBoxImage: openButton
    property alias featureImageRec: features
    property alias contentListView: contentList
    property alias shortDescriptionRec: descriptionRec
    property alias shortDescription: descriptionRec.labelText
    property alias shortDescriptionLineCount: descriptionRec.lineCount
    property alias lineColor: headerLine.color
    property alias firstFeatureImageSource: features.firstFeatureImageSource
    property alias secondFeatureImageSource: features.secondFeatureImageSource
    property alias thirdFeatureImageSource: features.thirdFeatureImageSource
    property alias fourthFeatureImageSource: features.fourthFeatureImageSource
    property alias fifthFeatureImageSource: features.fifthFeatureImageSource

    signal toggled

    // The open height makes room for the header and every content item that has a height.
    function updateHeight() {
        if (isNotUpdating)
            return
        if (mContentModel) {
            let contentHeight = 0
            for (let index = 0; index < contentList.count; ++index) {
                const item = contentItem(index)
                if (item && item.height > 0)
                    contentHeight += item.height
            }
            foldingBoxHeightOpen = 2 * sizes.clickableSize + contentHeight
        }
        if (isBoxOpen)
            forceActiveFocus()
    }

    // An object model hands out its items even where the list has not placed them yet.
    function contentItem(index) {
        if (typeof mContentModel.get === "function") {
            const item = mContentModel.get(index)
            if (item && item.height !== undefined)
                return item
        }
        return contentList.itemAtIndex(index)
    }

    objectName: "foldingBox"
    width: sizes.eventGroupWidth
    height: foldingBoxHeightClose
    clip: true

    Component.onCompleted: updateHeight()

    states: State {
        name: "open"
        when: root.isBoxOpen

        PropertyChanges {
            target: root
            height: root.foldingBoxHeightOpen
        }
        PropertyChanges {
            target: openButton
            rotation: -90
        }
        PropertyChanges {
            target: features
            opacity: 0
        }
        PropertyChanges {
            target: descriptionRec
            opacity: 0
        }
    }

    transitions: [
        Transition {
            to: "open"

            SequentialAnimation {
                NumberAnimation {
                    target: openButton
                    property: "rotation"
                    duration: animDuration.full
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: root
                    property: "height"
                    duration: animDuration.full
                    easing.type: Easing.InOutQuad
                }
            }
        },
        Transition {
            from: "open"

            NumberAnimation {
                targets: [root, openButton]
                properties: "height,rotation"
                duration: animDuration.full
                easing.type: Easing.InOutQuad
            }
        }
    ]

    Behavior on x {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.OutQuad
        }
    }
    Behavior on y {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.OutQuad
        }
    }
    VisibilityFade on visible {
        fadeTarget: panel
        duration: animDuration.half
    }

    Rectangle {
        id: panel

        anchors.fill: parent
        anchors.margins: margin.defaultPadding
        radius: radii.ten
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: root.borderColor

        XImageButton {
            id: boxButton

            objectName: "foldingBoxButton"
            anchors.left: parent.left
            anchors.top: parent.top
            buttonEnabled: false
            onButtonReleased: root.toggled()
        }

        XImageButton {
            id: openButton

            objectName: "openFoldingBoxImage"
            anchors.right: parent.right
            anchors.top: parent.top
            imageSource: root.isDisableBox ? "qrc:/images/icons/button/add/plus.png"
                                           : "qrc:/images/icons/foldingbox/open/blue.png"
            onButtonReleased: {
                root.isDisableBox = false
                root.toggled()
            }
        }

        Rectangle {
            id: headerLine

            anchors.left: boxButton.right
            anchors.right: openButton.left
            anchors.leftMargin: margin.one
            anchors.rightMargin: margin.one
            y: openButton.y + openButton.height / 2 - height / 2
            height: 0.4 * margin.one
            color: globalColors.SECONDARY
        }

        FoldingBoxNameRec {
            id: boxNameRec

            anchors.left: headerLine.left
            anchors.right: headerLine.right
            anchors.bottom: headerLine.top
            isEditingEnabled: root.isNameEditingEnabled
        }

        FoldingBoxFeatureImageRec {
            id: features

            anchors.left: headerLine.left
            anchors.top: headerLine.bottom
        }

        FoldingBoxShortDescriptionRec {
            id: descriptionRec

            anchors.left: features.right
            anchors.right: headerLine.right
            anchors.top: headerLine.bottom
        }

        ListView {
            id: contentList

            anchors.top: descriptionRec.bottom
            anchors.topMargin: margin.two
            anchors.left: parent.left
            anchors.right: parent.right
            height: contentHeight
            interactive: false
            model: root.mContentModel
            onContentHeightChanged: root.updateHeight()
        }

        // A click on the name (while it cannot be edited), the feature images or the short
        // description asks the user to fold the box.
        MouseArea {
            anchors.fill: boxNameRec
            enabled: !root.isNameEditingEnabled
            onClicked: root.toggled()
        }
        MouseArea {
            anchors.left: features.left
            anchors.right: descriptionRec.right
            anchors.top: descriptionRec.top
            anchors.bottom: descriptionRec.bottom
            onClicked: root.toggled()
        }
    }
}
