import QtQuick
import QtQml.Models
import XEvents 1.0
import common.src.presentation_layer.assets.common_controls

// The services every device offers: its files, its backups and its maintenance. Each service
// that changes the device asks first (the plug-in's question comes back as a pop-up action).
Flickable {
    id: root

    contentHeight: boxes.height
    boundsBehavior: Flickable.StopAtBounds
    clip: true

    Flow {
        id: boxes

        width: root.width
        spacing: margin.five

        XFoldingBox {
            id: filesBox

            objectName: "filesBox"
            width: sizes.moduleConfigurationWidth
            name: qsTr("Files and backups")
            foldingBoxImageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
            isBoxOpen: true
            onToggled: isBoxOpen = !isBoxOpen
            mContentModel: ObjectModel {
                XLabelButton {
                    objectName: "saveToDeviceButton"
                    width: filesBox.contentWidth
                    buttonText: qsTr("Save to the device")
                    onButtonReleased: plugin.saveConfiguration()
                }
                XLabelButton {
                    objectName: "loadFromDeviceButton"
                    width: filesBox.contentWidth
                    buttonText: qsTr("Load from the device")
                    onButtonReleased: plugin.requestAction(Events.LOAD_OK)
                }
                XLabelButton {
                    objectName: "openFileButton"
                    width: filesBox.contentWidth
                    buttonText: qsTr("Open a configuration file")
                    onButtonReleased: kelvo.openFileDialog(false, false, plugin.getFileFilter())
                }
                XLabelButton {
                    width: filesBox.contentWidth
                    buttonText: qsTr("Backup on the SD card")
                    onButtonReleased: kelvo.openFolderDialog(true)
                }
                XLabelButton {
                    width: filesBox.contentWidth
                    buttonText: qsTr("Backup for an SD card")
                    onButtonReleased: kelvo.openFolderDialog(false)
                }
                XLabelButton {
                    width: filesBox.contentWidth
                    buttonText: qsTr("Restore the last backup")
                    onButtonReleased: plugin.requestAction(Events.RESTORE_SINGLE_BACKUP)
                }
            }
        }

        XFoldingBox {
            id: maintenanceBox

            objectName: "maintenanceBox"
            width: sizes.moduleConfigurationWidth
            name: qsTr("Maintenance")
            foldingBoxImageSource: "qrc:/images/icons/foldingbox/user_settings.png"
            isBoxOpen: true
            onToggled: isBoxOpen = !isBoxOpen
            mContentModel: ObjectModel {
                XLiveLabel {
                    width: maintenanceBox.contentWidth
                    livelabelName: qsTr("Firmware")
                    loadingDotText: qsTr("Updating")
                    dataText: plugin.busy ? "-" : plugin.firmware
                }
                XLiveLabel {
                    objectName: "passwordLabel"
                    width: maintenanceBox.contentWidth
                    livelabelName: qsTr("Password protection")
                    dataText: plugin.passwordProtected ? qsTr("on") : qsTr("off")
                }
                XLabelButton {
                    width: maintenanceBox.contentWidth
                    buttonText: qsTr("Update the firmware")
                    onButtonReleased: plugin.requestAction(Events.FW_UPDATE)
                }
                XLabelButton {
                    width: maintenanceBox.contentWidth
                    buttonText: qsTr("Restart the device")
                    onButtonReleased: plugin.requestAction(Events.RESTART_DEVICE)
                }
                XLabelButton {
                    width: maintenanceBox.contentWidth
                    buttonText: qsTr("Format the device memory")
                    onButtonReleased: plugin.requestAction(Events.FORMAT_FILE_SYSTEM)
                }
                XLabelButton {
                    width: maintenanceBox.contentWidth
                    buttonText: qsTr("Factory settings")
                    onButtonReleased: plugin.requestAction(Events.FACTORY_RESET)
                }
                XLabelButton {
                    objectName: "forgottenPasswordButton"
                    width: maintenanceBox.contentWidth
                    height: plugin.passwordProtected ? sizes.clickableSize : 0
                    visible: plugin.passwordProtected
                    buttonText: qsTr("Forgotten password")
                    onButtonReleased: kelvo.openForgottenPassword()
                }
                XLabelButton {
                    objectName: "unplugButton"
                    width: maintenanceBox.contentWidth
                    buttonText: qsTr("Unplug the virtual device")
                    onButtonReleased: plugin.removeDevice()
                }
            }
        }
    }
}
