import QtQuick
import QtQuick.Window
import QtQuick.Controls.Basic
import common.src.presentation_layer.assets.common_controls 1.0

// The controls gallery: one page per family of the common controls, the palette and tooltip
// switches at the top, and the last signal a control emitted at the bottom.
ApplicationWindow {
    id: window

    function report(text) {
        statusLine.text = text
    }

    width: Math.min(1600, Screen.desktopAvailableWidth)
    height: Math.min(1000, Screen.desktopAvailableHeight)
    visible: true
    title: "Quillmark controls gallery"
    color: globalColors.CONTENT_BACKGROUND_COLOR

    Connections {
        target: kelvo

        function onShowSplashScreen(show) {
            window.report("kelvo.showSplashScreen(" + show + ")")
        }
        function onOpenFileDialog(isSaving, isWithLoading, filters) {
            window.report("kelvo.openFileDialog(" + isSaving + ", " + isWithLoading + ", \""
                          + filters + "\")")
        }
    }

    // Tabs and switches wrap onto a second line in a narrow window.
    header: Rectangle {
        height: headerFlow.height + 2 * margin.two
        color: globalColors.CONTENT_BACKGROUND_COLOR

        Flow {
            id: headerFlow

            x: margin.five
            y: margin.two
            width: parent.width - 2 * margin.five
            spacing: margin.one

            Repeater {
                model: ["Buttons (9)", "Labels and menus (9)", "Pop-ups (4)",
                    "Containers (8)", "Images", "Value editors (14)"]

                XLabelButton {
                    required property string modelData
                    required property int index

                    width: 3.5 * sizes.clickableSize
                    buttonText: modelData
                    labelButtonColor: tabs.current === index ? globalColors.PRIMARY
                                                             : globalColors.MEDIUMDARKGREY
                    onButtonReleased: tabs.current = index
                }
            }

            Item {
                width: margin.four
                height: 1
            }

            XSelectableLabelButton {
                width: 3 * sizes.clickableSize
                buttonText: "Dark palette"
                selectedColor: globalColors.PRIMARY
                selectedLabelColor: globalColors.BUTTON_TEXT_COLOR
                state: gallery.darkMode ? "selected" : "deselected"
                onStateChanged: gallery.darkMode = state === "selected"
            }
            XSelectableLabelButton {
                width: 3 * sizes.clickableSize
                buttonText: "Tooltips"
                selectedColor: globalColors.PRIMARY
                selectedLabelColor: globalColors.BUTTON_TEXT_COLOR
                state: gallery.showTooltips ? "selected" : "deselected"
                onStateChanged: gallery.showTooltips = state === "selected"
            }
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: globalColors.MEDIUMLIGHTGREY
        }
    }

    QtObject {
        id: tabs

        property int current: gallery.startPage
    }

    // Only the page on show exists, so that the pop-ups shown in place of one page do not float
    // over the others.
    Loader {
        id: pageLoader

        anchors.fill: parent
        sourceComponent: [buttonsPage, labelsPage, popUpsPage, containersPage,
            imagesPage, valueEditorsPage][tabs.current]
    }

    Connections {
        target: pageLoader.item
        ignoreUnknownSignals: true

        function onReport(text) {
            window.report(text)
        }
    }

    Component {
        id: buttonsPage

        ButtonsPage {}
    }
    Component {
        id: labelsPage

        LabelsPage {}
    }
    Component {
        id: popUpsPage

        PopUpsPage {}
    }
    Component {
        id: containersPage

        ContainersPage {}
    }
    Component {
        id: imagesPage

        ImagesPage {}
    }
    Component {
        id: valueEditorsPage

        ValueEditorsPage {}
    }

    footer: Rectangle {
        height: sizes.clickableSize * 0.75
        color: globalColors.STATUSBOX

        Text {
            id: statusLine

            anchors.fill: parent
            anchors.leftMargin: margin.five
            verticalAlignment: Text.AlignVCenter
            text: "Signals of the controls appear here."
            color: globalColors.BUTTON_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
        }
    }
}
