import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Smoke zones of a (virtual) Pelion control unit.
Pane {
    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        Label {
            text: qsTr("Pelion SHEV control unit")
            font.pixelSize: 20
            font.bold: true
        }
        Repeater {
            model: plugin.smokeZones
            delegate: Label { text: modelData }
        }
        RowLayout {
            TextField {
                id: zoneName
                placeholderText: qsTr("New smoke zone")
            }
            Button {
                text: qsTr("Add")
                onClicked: {
                    plugin.addSmokeZone(zoneName.text)
                    zoneName.clear()
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
