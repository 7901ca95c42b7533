import QtQuick

// The plug-in's buttons in the top bar: save to the device, load from it, save to a file and
// create a report. A virtual device has no hardware, so it offers only the last two.
Item {
    id: root

    property bool isVirtualDevice: false
    property string fileExtension
    property Item coverSheetInput
    property alias saveConfiguration: saveButton
    property alias loadConfiguration: loadButton
    property alias saveToFile: saveToFileButton
    property alias createReport: createReportButton
    property url savingToFileSource
    property url savingToHardwareSource
    property url loadFromHardwareSource
    property string saveConfigurationHint
    property string loadConfigurationHint
    property string saveToFileHint
    property string createReportHint

    signal saving
    signal loading
    signal creatingReport

    // Slides the report cover sheet in below the top bar, or parks it above the window.
    function toggleCoverSheet() {
        if (!coverSheetInput)
            return
        if (coverSheetInput.anchors.topMargin !== sizes.clickableSize)
            coverSheetInput.anchors.topMargin = sizes.clickableSize
        else
            coverSheetInput.anchors.topMargin = -2 * coverSheetInput.height
    }

    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    width: sizes.clickableSize * (isVirtualDevice ? 3 : 5) + margin.four
    height: sizes.clickableSize

    Row {
        anchors.centerIn: parent
        height: parent.height
        spacing: margin.two

        XImageButton {
            id: saveButton

            objectName: "save"
            overlayBrightness: 0.3
            imageSource: root.savingToHardwareSource
            toolTipText: root.saveConfigurationHint
            visible: !root.isVirtualDevice
            buttonEnabled: !root.isVirtualDevice
            onButtonReleased: root.saving()
        }

        XImageButton {
            id: loadButton

            objectName: "load"
            overlayBrightness: 0.3
            imageSource: root.loadFromHardwareSource
            toolTipText: root.loadConfigurationHint
            visible: !root.isVirtualDevice
            buttonEnabled: !root.isVirtualDevice
            onButtonReleased: root.loading()
        }

        XImageButton {
            id: saveToFileButton

            objectName: "saveToFile"
            overlayBrightness: 0.3
            imageSource: root.savingToFileSource
            toolTipText: root.saveToFileHint
            onButtonReleased: {
                if (kelvo.getIsMobile())
                    plugin.saveConfigurationToFile("", false)
                else
                    kelvo.openFileDialog(true, false,
                                         root.fileExtension + "(*." + root.fileExtension + ")")
            }
        }

        XImageButton {
            id: createReportButton

            objectName: "createReport"
            overlayBrightness: 0.3
            imageSource: "qrc:/images/icons/file/PDF/blue.png"
            toolTipText: root.createReportHint
            onButtonReleased: {
                root.creatingReport()
                root.toggleCoverSheet()
            }
        }
    }
}
