import QtQuick
import QtQml.Models
import common.src.presentation_layer.assets.common_controls
import "qrc:/quillmark/devicekit"

// A virtual Pelion control unit: where it hangs, how it alarms, its relays and its battery.
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
        location.comboBox.editText = values.location
        location.addNewElement()
        alarmLevel.selectByValue(values.alarmLevel)
        alarmDelay.textFieldText = String(values.alarmDelay)
        batteryMonitoring.checkBoxChecked = values.batteryMonitoring
        ventilationRelay.checked = values.ventilationRelay
        faultRelay.checked = values.faultRelay
        notes.textAreaText = values.notes
        showing = false
    }

    function edit(key, value) {
        if (!showing)
            plugin.setValue(key, value)
    }

    objectName: "pelionView"

    Component.onCompleted: {
        kelvo.addNavigationBar("qrc:/pelion/NavigationBar.qml")
        kelvo.addControlPanel("qrc:/pelion/ControlPanel.qml")
        kelvo.showHelpSiteButton("pelion")
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
                id: alarmBox

                width: sizes.moduleConfigurationWidth
                name: qsTr("Smoke alarm")
                foldingBoxImageSource: "qrc:/images/icons/foldingbox/messages/warning/red.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    XLabel {
                        width: alarmBox.contentWidth
                        height: sizes.clickableSize * 0.75
                        labelText: qsTr("Location (type a new one and press Enter)")
                    }
                    XComboBox {
                        id: location

                        width: alarmBox.contentWidth
                        mContentModel: ListModel {
                            ListElement {
                                text: qsTr("Stairwell")
                            }
                            ListElement {
                                text: qsTr("Atrium")
                            }
                            ListElement {
                                text: qsTr("Lift shaft")
                            }
                        }
                        comboBox.onCurrentTextChanged: root.edit("location", comboBox.currentText)
                        comboBox.onAccepted: addNewElement()
                    }
                    XHorizontalMultipleToggleButton {
                        id: alarmLevel

                        width: alarmBox.contentWidth
                        toggleButtonName: qsTr("Alarm level")
                        elementWidth: (alarmBox.contentWidth - 4 * margin.defaultPadding) / 3
                        onSelectedItemChanged: {
                            const option = optionAt(selectedItem)
                            if (option)
                                root.edit("alarmLevel", option.value)
                        }
                        Component.onCompleted: {
                            options.append({"text": qsTr("Local"), "value": 1})
                            options.append({"text": qsTr("Building"), "value": 2})
                            options.append({"text": qsTr("Fire brigade"), "value": 3})
                            selectByValue(plugin.configuration.alarmLevel)
                        }
                    }
                    XLabel {
                        width: alarmBox.contentWidth
                        height: sizes.clickableSize * 0.75
                        labelText: qsTr("Alarm delay in seconds (at most 60)")
                    }
                    XTextField {
                        id: alarmDelay

                        width: alarmBox.contentWidth
                        maxValue: 60
                        placeholder: "0 - 60"
                        onChangedText: {
                            const seconds = parseInt(textFieldText, 10)
                            if (!isNaN(seconds))
                                root.edit("alarmDelay", seconds)
                        }
                        onDeleteTextField: textFieldText = "0"
                    }
                }
            }

            XFoldingBox {
                id: powerBox

                width: sizes.moduleConfigurationWidth
                name: qsTr("Relays and power")
                foldingBoxImageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                isBoxOpen: true
                onToggled: isBoxOpen = !isBoxOpen
                mContentModel: ObjectModel {
                    Row {
                        width: powerBox.contentWidth
                        height: sizes.clickableSize

                        XSuperCheckBox {
                            id: ventilationRelay

                            isRelay: true
                            badge: "1"
                            toolTipText: qsTr("Opens the windows for the daily ventilation")
                            onCheckedChanged: root.edit("ventilationRelay", checked)
                        }
                        XLabel {
                            width: powerBox.contentWidth - sizes.clickableSize
                            height: sizes.clickableSize
                            labelText: qsTr("Relay 1: daily ventilation")
                        }
                    }
                    Row {
                        width: powerBox.contentWidth
                        height: sizes.clickableSize

                        XSuperCheckBox {
                            id: faultRelay

                            isRelay: true
                            badge: "2"
                            toolTipText: qsTr("Reports a fault to the building control")
                            onCheckedChanged: root.edit("faultRelay", checked)
                        }
                        XLabel {
                            width: powerBox.contentWidth - sizes.clickableSize
                            height: sizes.clickableSize
                            labelText: qsTr("Relay 2: fault message")
                        }
                    }
                    XLabeledCheckBox {
                        id: batteryMonitoring

                        width: powerBox.contentWidth
                        checkBoxName: qsTr("Battery monitoring")
                        onValueChanged: root.edit("batteryMonitoring", checkBoxChecked)
                    }
                    Item {
                        width: powerBox.contentWidth
                        height: sizes.clickableSize * 0.75

                        XLoadingDots {
                            objectName: "batteryDots"
                            width: parent.width
                            loadingDotsLabel: qsTr("Checking the battery")
                            visible: !plugin.liveValues.battery
                            Component.onCompleted: start()
                        }
                        XLiveLabel {
                            width: parent.width
                            livelabelName: qsTr("Battery")
                            dataText: plugin.liveValues.battery ? plugin.liveValues.battery : "-"
                            visible: !!plugin.liveValues.battery
                        }
                    }
                    XLabeledTextArea {
                        id: notes

                        width: powerBox.contentWidth
                        labelText: qsTr("Notes")
                        onTextAreaTextChanged: root.edit("notes", textAreaText)
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
