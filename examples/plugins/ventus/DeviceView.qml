import QtQuick
import QtQml.Models
import XEvents 1.0
import common.src.presentation_layer.assets.common_controls
import "qrc:/quillmark/devicekit"

// A virtual Ventus weather station: the alarms that close the windows, its Wi-Fi and the
// weather it measures.
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
        windAlarm.sliderValue = values.windAlarm
        windRose.directionBits = values.windDirections
        rainAlarm.toggleActivated = values.rainAlarm
        frostAlarm.setValue(Math.round(values.frostAlarm * 10))
        wifiSsid.textFieldText = values.wifiSsid
        wifiPassword.textFieldText = values.wifiPassword
        showing = false
    }

    function edit(key, value) {
        if (!showing)
            plugin.setValue(key, value)
    }

    objectName: "ventusView"

    Component.onCompleted: {
        kelvo.addNavigationBar("qrc:/ventus/NavigationBar.qml")
        kelvo.addControlPanel("qrc:/ventus/ControlPanel.qml")
        kelvo.showHelpSiteButton("ventus")
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
                id: windBox

                width: sizes.moduleConfigurationWidth
                name: qsTr("Wind")
                foldingBoxImageSource: "qrc:/images/icons/group/vent/close/enabled.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    XSlider {
                        id: windAlarm

                        width: windBox.contentWidth
                        sliderName: qsTr("Wind alarm (m/s)")
                        minValue: 5
                        maxValue: 40
                        step: 5
                        onValueOfSliderChanged: root.edit("windAlarm", Math.round(slider.value))
                    }
                    XLabel {
                        width: windBox.contentWidth
                        height: sizes.clickableSize * 0.75
                        labelText: qsTr("Wind from these directions closes the windows")
                    }
                    WindRose {
                        id: windRose

                        width: windBox.contentWidth
                        defaultHeight: 5 * sizes.clickableSize
                        onWindDirectionChanged: values => root.edit("windDirections", values)
                    }
                    XLiveLabel {
                        objectName: "windSpeedLabel"
                        width: windBox.contentWidth
                        livelabelName: qsTr("Wind speed")
                        loadingDotText: qsTr("Measuring")
                        dataText: plugin.liveValues.windSpeed === undefined
                                  ? "-" : plugin.liveValues.windSpeed.toFixed(1) + " m/s"
                    }
                }
            }

            XFoldingBox {
                id: weatherBox

                width: sizes.moduleConfigurationWidth
                name: qsTr("Rain, frost and Wi-Fi")
                foldingBoxImageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    XToggleButton {
                        id: rainAlarm

                        width: weatherBox.contentWidth
                        toggleButtonName: qsTr("Rain alarm")
                        firstOptionName: qsTr("On")
                        secondOptionName: qsTr("Off")
                        onValueChanged: value => root.edit("rainAlarm", value)
                    }
                    XSpinBox {
                        id: frostAlarm

                        width: weatherBox.contentWidth
                        spinBoxText: qsTr("Frost alarm below")
                        spinBoxUnit: "°C"
                        decimals: 1
                        spinBoxMinValue: -10
                        spinBoxMaxValue: 10
                        spinBoxStep: 5
                        onValueChanged: value => root.edit("frostAlarm", value / 10)
                    }
                    XLiveLabel {
                        width: weatherBox.contentWidth
                        livelabelName: qsTr("Temperature")
                        loadingDotText: qsTr("Measuring")
                        dataText: plugin.liveValues.temperature === undefined
                                  ? "-" : plugin.liveValues.temperature.toFixed(1) + " °C"
                    }
                    XLabeledTextField {
                        id: wifiSsid

                        width: weatherBox.contentWidth
                        labelText: qsTr("Wi-Fi network")
                        onChangedText: root.edit("wifiSsid", textFieldText)
                    }
                    XTextField {
                        id: wifiPassword

                        width: weatherBox.contentWidth
                        checkInput: false
                        placeholder: qsTr("Wi-Fi password")
                        textField.echoMode: TextInput.Password
                        onChangedText: root.edit("wifiPassword", textFieldText)
                        onDeleteTextField: textFieldText = ""
                    }
                    XLabelButton {
                        width: weatherBox.contentWidth
                        buttonText: qsTr("Save the Wi-Fi settings")
                        onButtonReleased: plugin.requestAction(Events.SAVE_WIFI_SETTINGS)
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
