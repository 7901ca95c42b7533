import QtQuick
import common.src.presentation_layer.assets.common_controls

// The top bar's buttons while a Pelion is shown: a virtual device saves to files and reports.
XControlPanel {
    objectName: "pelionControlPanel"
    isVirtualDevice: true
    fileExtension: plugin.getConfigurationFileExtension()
    savingToFileSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
    saveToFileHint: qsTr("Save the configuration to a file")
    createReportHint: qsTr("Create a report")
}
