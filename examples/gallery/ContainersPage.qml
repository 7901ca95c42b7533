import QtQuick
import QtQml.Models
import common.src.presentation_layer.assets.common_controls 1.0

// Folding boxes and their parts, the drawer panels and the base page of a plug-in view.
Flickable {
    id: page

    signal report(string text)

    contentHeight: flow.height + 2 * margin.five
    clip: true

    component SampleBox: XFoldingBox {
        id: box

        foldingBoxImageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
        onToggled: {
            isBoxOpen = !isBoxOpen
            page.report("XFoldingBox.toggled()")
        }
    }

    Flow {
        id: flow

        x: margin.five
        y: margin.five
        width: page.width - 2 * margin.five
        spacing: margin.eight

        Specimen {
            title: "XFoldingBox (shut, open, disabled)"

            Row {
                spacing: margin.four

                SampleBox {
                    name: "Window group 1"
                    shortDescription: "Shut"
                    firstFeatureImageSource: "qrc:/images/icons/group/vent/open/enabled.png"
                    secondFeatureImageSource: "qrc:/images/icons/group/vent/close/enabled.png"
                    featureImageRec.openDelayText: "5 s"
                }

                SampleBox {
                    id: openBox

                    isBoxOpen: true
                    name: "Weather station"
                    shortDescription: "Live values"
                    mContentModel: ObjectModel {
                        XLiveLabel {
                            width: openBox.contentWidth
                            livelabelName: "Wind speed"
                            dataText: "4,2 m/s"
                        }
                        XLiveLabel {
                            width: openBox.contentWidth
                            livelabelName: "Rain"
                        }
                        XLabelButton {
                            width: openBox.contentWidth
                            buttonText: "Calibrate"
                        }
                    }
                }

                SampleBox {
                    isDisableBox: true
                    name: "New group"
                    shortDescription: "Press + to add it"
                }
            }
        }

        Specimen {
            title: "FoldingBoxNameRec (click to edit)"

            FoldingBoxNameRec {
                width: 4 * sizes.clickableSize
                foldingBoxName: "Staircase north"
                maxNameLength: 24
                toolTipText: "Up to 24 characters"
            }
        }

        Specimen {
            title: "FoldingBoxShortDescriptionRec"

            FoldingBoxShortDescriptionRec {
                width: 4 * sizes.clickableSize
                labelText: "Two motors, opened by the weather station when it rains"
            }
        }

        Specimen {
            title: "FoldingBoxFeatureImageRec"

            FoldingBoxFeatureImageRec {
                firstFeatureImageSource: "qrc:/images/icons/group/vent/open/enabled.png"
                secondFeatureImageSource: "qrc:/images/icons/group/vent/close/enabled.png"
                thirdFeatureImageSource: "qrc:/images/icons/group/vent/block/enabled.png"
                openDelayText: "5 s"
                fifthFeatureImageSource: "qrc:/images/icons/button/check_updates/blue.png"
                closeDelayText: "10 s"
            }
        }

        Specimen {
            title: "DrawerWindow"

            Item {
                width: 6 * sizes.clickableSize
                height: 3 * sizes.clickableSize

                DrawerWindow {
                    anchors.fill: parent
                    anchors.margins: margin.two

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: margin.defaultPadding
                        radius: radii.ten
                        color: globalColors.CONTENT_BACKGROUND_COLOR

                        SimpleHeader {
                            x: margin.two
                            y: margin.two
                            width: parent.width - margin.four
                            imageSource: "qrc:/images/icons/foldingbox/language.png"
                            text: "Language selection"
                        }
                    }
                }
            }
        }

        Specimen {
            title: "FilterRectangle (click the grey area)"

            FilterRectangle {
                width: 6 * sizes.clickableSize
                height: 3 * sizes.clickableSize
                color: globalColors.MEDIUMLIGHTGREY
                onFilterClicked: page.report("FilterRectangle.filterClicked()")

                DrawerWindow {
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.bottom: parent.bottom
                    anchors.margins: margin.two
                    width: 3 * sizes.clickableSize
                }
            }
        }

        Specimen {
            title: "TabSlider (click an icon)"

            Item {
                width: 3 * sizes.clickableSize
                height: sizes.clickableSize + margin.two

                Row {
                    id: tabIcons

                    Repeater {
                        model: ["qrc:/images/icons/foldingbox/configuration/blue.png",
                            "qrc:/images/icons/button/search.png",
                            "qrc:/images/icons/button/help.png"]

                        XImageButton {
                            required property string modelData
                            required property int index

                            imageSource: modelData
                            onButtonReleased: slider.x = x + (width - slider.width) / 2
                        }
                    }
                }

                TabSlider {
                    id: slider

                    x: (sizes.clickableSize - width) / 2
                    anchors.top: tabIcons.bottom
                }
            }
        }

        Specimen {
            title: "BasicPluginView (a device view)"

            Rectangle {
                width: 6 * sizes.clickableSize
                height: 3 * sizes.clickableSize
                color: globalColors.TRANSPARENT
                border.color: globalColors.MEDIUMGREY

                BasicPluginView {
                    anchors.fill: parent
                    anchors.margins: 1

                    XLabel {
                        anchors.centerIn: parent
                        width: parent.width - margin.four
                        labelText: "A plug-in's page; a real device asks for the loading "
                                   + "overlay when it opens."
                    }
                }
            }
        }
    }
}
