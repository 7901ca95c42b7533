import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Configuration of a (virtual) Kastor+ chain actuator.
Pane {
    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Label {
            text: qsTr("Kastor+ chain actuator")
            font.pixelSize: 20
            font.bold: true
        }
        RowLayout {
            Label { text: qsTr("Opening width (mm)") }
            SpinBox {
                id: openingWidth
                from: 50
                to: 1000
                stepSize: 10
                value: 300
                editable: true
                onValueModified: plugin.setOpeningWidth(value)
            }
        }
        Button {
            text: qsTr("Save configuration")
            onClicked: plugin.saveConfiguration()
        }
        Item { Layout.fillHeight: true }
    }
}
