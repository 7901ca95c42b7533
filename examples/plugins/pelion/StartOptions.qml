import QtQuick
import QtQml.Models
import common.src.presentation_layer.assets.common_controls

// The start options the launcher shows under the Pelion button.
ObjectModel {
    id: startOptions

    property real elementWidth: sizes.eventGroupWidth
    property bool useMobileLayout: false

    function enableAll(value) {
        openButton.buttonEnabled = value
    }

    XLabelButton {
        id: openButton

        objectName: "openVirtualDevice"
        width: startOptions.elementWidth
        buttonText: qsTr("Open a virtual control unit")
        onButtonReleased: {
            startOptions.enableAll(false)
            plugin.openVirtualDevice()
        }
    }
    XLabel {
        width: startOptions.elementWidth
        height: sizes.clickableSize
        labelText: qsTr("No control unit connected: the virtual one works without hardware.")
    }
}
