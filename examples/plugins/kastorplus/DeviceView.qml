import QtQuick
import QtQml.Models
import XEvents 1.0
import common.src.presentation_layer.assets.common_controls
import "qrc:/quillmark/devicekit"

// A virtual Kastor+ chain actuator: the drive, night ventilation and the device services.
BasicPluginView {
    id: root

    // 0: the settings, 1: the services; the navigation bar switches.
    property int page: 0
    // Set while the editors take the plug-in's values (and while they are built), so that they
    // do not echo them back.
    property bool showing: true

    function showConfiguration() {
        const values = plugin.configuration
        showing = true
        deviceName.textFieldText = values.deviceName
        openingWidth.setValue(values.openingWidth)
        runTime.setValue(Math.round(values.runTime * 10))
        openingLimit.sliderValue = values.openingLimit
        closingForce.selectByValue(values.closingForce)
        direction.toggleActivated = !values.directionReversed
        nightVentilation.toggleActivated = values.nightVentilation
        const time = values.nightVentilationStart.split(":")
        nightStart.timeSpinBoxHourTextInput.text = time[0]
        nightStart.timeSpinBoxMinuteTextInput.text = time[1]
        showing = false
    }

    function edit(key, value) {
        if (!showing)
            plugin.setValue(key, value)
    }

    objectName: "kastorplusView"

    Component.onCompleted: {
        kelvo.addNavigationBar("qrc:/kastorplus/NavigationBar.qml")
        kelvo.addControlPanel("qrc:/kastorplus/ControlPanel.qml")
        kelvo.showHelpSiteButton("kastorplus")
        showConfiguration()
    }

    Connections {
        target: plugin

        function onConfigurationChanged() {
            root.showConfiguration()
        }
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: margin.five
        anchors.bottomMargin: sizes.clickableSize * 2
        contentHeight: settings.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        visible: root.page === 0

        Flow {
            id: settings

            width: parent.width
            spacing: margin.five

            XFoldingBox {
                id: driveBox

                objectName: "driveBox"
                width: sizes.moduleConfigurationWidth
                name: qsTr("Drive")
                foldingBoxImageSource: "qrc:/images/icons/group/vent/open/enabled.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    XLabeledTextField {
                        id: deviceName

                        width: driveBox.contentWidth
                        labelText: qsTr("Device name")
                        onChangedText: root.edit("deviceName", textFieldText)
                    }
                    XSpinBox {
                        id: openingWidth

                        objectName: "openingWidth"
                        width: driveBox.contentWidth
                        spinBoxText: qsTr("Opening width")
                        spinBoxUnit: "mm"
                        spinBoxMinValue: 50
                        spinBoxMaxValue: 1000
                        spinBoxStep: 10
                        onValueChanged: value => root.edit("openingWidth", value)
                    }
                    XSpinBox {
                        id: runTime

                        width: driveBox.contentWidth
                        spinBoxText: qsTr("Run time")
                        spinBoxUnit: "s"
                        decimals: 1
                        spinBoxMinValue: 1
                        spinBoxMaxValue: 60
                        spinBoxStep: 5
                        onValueChanged: value => root.edit("runTime", value / 10)
                    }
                    XSlider {
                        id: openingLimit

                        width: driveBox.contentWidth
                        sliderName: qsTr("Opening limit (%)")
                        onValueOfSliderChanged: root.edit("openingLimit", Math.round(slider.value))
                    }
                    XToggleButton {
                        id: direction

                        objectName: "directionToggle"
                        width: driveBox.contentWidth
                        toggleButtonName: qsTr("Direction")
                        firstOptionName: qsTr("Standard")
                        secondOptionName: qsTr("Reversed")
                        toggleWidth: 3 * sizes.clickableSize
                        onValueChanged: value => root.edit("directionReversed", !value)
                    }
                    XMultipleToggleButton {
                        id: closingForce

                        width: driveBox.contentWidth
                        toggleButtonText: qsTr("Closing force")
                        options: ListModel {
                            ListElement {
                                text: qsTr("Low")
                                value: 0
                            }
                            ListElement {
                                text: qsTr("Normal")
                                value: 1
                            }
                            ListElement {
                                text: qsTr("High")
                                value: 2
                            }
                        }
                        onValueChanged: root.edit("closingForce", getValue())
                    }
                }
            }

            XFoldingBox {
                id: ventilationBox

                width: sizes.moduleConfigurationWidth
                name: qsTr("Night ventilation")
                foldingBoxImageSource: "qrc:/images/icons/group/vent/block/enabled.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    XToggleButton {
                        id: nightVentilation

                        width: ventilationBox.contentWidth
                        toggleButtonName: qsTr("Night ventilation")
                        firstOptionName: qsTr("On")
                        secondOptionName: qsTr("Off")
                        onValueChanged: value => root.edit("nightVentilation", value)
                    }
                    XTimeSpinBox {
                        id: nightStart

                        width: ventilationBox.contentWidth
                        timeSpinBoxName: qsTr("From")
                        onValueChanged: root.edit("nightVentilationStart",
                                                  timeSpinBoxHourTextInput.text + ":"
                                                  + timeSpinBoxMinuteTextInput.text)
                    }
                    XLiveLabel {
                        objectName: "positionLabel"
                        width: ventilationBox.contentWidth
                        livelabelName: qsTr("Window position")
                        loadingDotText: qsTr("Reading")
                        dataText: plugin.liveValues.position === undefined
                                  ? "-" : plugin.liveValues.position + " %"
                    }
                }
            }
        }
    }

    ServicePage {
        anchors.fill: parent
        anchors.margins: margin.five
        visible: root.page === 1
    }
}
