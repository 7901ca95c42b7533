import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Alarm thresholds of a (virtual) Ventus weather station.
Pane {
    GridLayout {
        columns: 2
        rowSpacing: 8
        columnSpacing: 16

        Label {
            Layout.columnSpan: 2
            text: qsTr("Ventus weather station")
            font.pixelSize: 20
            font.bold: true
        }
        Label { text: qsTr("Wind alarm (m/s)") }
        Slider {
            from: 2
            to: 40
            stepSize: 0.5
            value: plugin.windAlarm
            onMoved: plugin.setWindAlarm(value)
        }
        Label { text: qsTr("Rain alarm") }
        Switch {
            checked: plugin.rainAlarm
            onToggled: plugin.setRainAlarm(checked)
        }
    }
}
