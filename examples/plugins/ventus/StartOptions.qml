import QtQuick
import QtQuick.Controls
import QtQml.Models

// The start options the launcher shows under the Ventus button.
ObjectModel {
    id: startOptions

    property real elementWidth: 300
    property bool useMobileLayout: false

    Button {
        width: startOptions.elementWidth
        text: qsTr("Open virtual weather station")
        onClicked: plugin.openVirtualStation()
    }
}
