import QtQuick
import QtQuick.Controls.Basic
import common.src.presentation_layer.assets.common_controls 1.0

// Labels, images, progress indicators, the tooltip and the context menu.
Flickable {
    id: page

    signal report(string text)

    contentHeight: flow.height + 2 * margin.five
    clip: true

    Flow {
        id: flow

        x: margin.five
        y: margin.five
        width: page.width - 2 * margin.five
        spacing: margin.eight

        Specimen {
            title: "XLabel"

            XLabel {
                width: 5 * sizes.clickableSize
                height: 1.5 * sizes.clickableSize
                labelText: "A word-wrapped label, vertically centred, with a tooltip."
                toolTipText: "XLabel tooltip"
            }
        }

        Specimen {
            title: "XImage"

            Row {
                spacing: margin.two

                XImage {
                    imageSource: "qrc:/images/icons/foldingbox/user_settings.png"
                }
                XImage {
                    borderWidth: 1
                    borderColor: globalColors.DARKGREY
                    imageSource: "qrc:/images/icons/lang/french.png"
                }
            }
        }

        Specimen {
            title: "SimpleHeader"

            SimpleHeader {
                imageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                text: "General settings"
            }
        }

        Specimen {
            title: "XLiveLabel (waiting, with a value)"

            Column {
                XLiveLabel {
                    livelabelName: "Wind speed"
                }
                XLiveLabel {
                    livelabelName: "Temperature"
                    dataText: "21,5 °C"
                    toolTipText: "Measured at the device"
                }
            }
        }

        Specimen {
            title: "XLoadingDots"

            XLoadingDots {
                width: 3 * sizes.clickableSize
                loadingDotsLabel: "Loading"
                Component.onCompleted: start()
            }
        }

        Specimen {
            title: "XTimerSpinningWheel"

            XTimerSpinningWheel {
                Component.onCompleted: start()
            }
        }

        Specimen {
            title: "XLoadingScreen (shown in place)"

            Item {
                width: sizes.doubleClickableSize
                height: sizes.doubleClickableSize

                XLoadingScreen {
                    anchors.centerIn: parent
                    modal: false
                    dim: false
                    visible: true
                }
            }
        }

        Specimen {
            title: "XToolTip (shown in place)"

            Item {
                width: tip.width
                height: sizes.doubleClickableSize

                XToolTip {
                    id: tip

                    x: 0
                    y: margin.two
                    text: "Tooltips follow the Tooltips switch at once"
                    visible: true
                    delay: 0
                }
            }
        }

        Specimen {
            title: "XMenu (shown in place)"

            Item {
                width: sizes.contextMenuStandardWidth
                height: menu.implicitHeight

                XMenu {
                    id: menu

                    closePolicy: Popup.NoAutoClose
                    menuItemNames: ["Rename", "Copy value", "Delete plug-in"]
                    onExecuteAction: menuIndex => page.report("XMenu.executeAction(" + menuIndex
                                                              + ")")
                    Component.onCompleted: {
                        addMenuItem()
                        open()
                    }
                }
            }
        }
    }
}
