import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import InstallationState 1.0

// The shell's main window. Until the launcher grid arrives it lists the plug-ins of the
// running channel with their installation state.
ApplicationWindow {
    id: mainWindow

    width: 1280
    height: 800
    visible: true
    title: appName

    function stateText(state) {
        switch (state) {
        case InstallationState.INSTALLED: return qsTr("installed")
        case InstallationState.INSTALLED_UPDATEABLE: return qsTr("update available")
        case InstallationState.INSTALLED_DELETED: return qsTr("deleted")
        default: return qsTr("not installed")
        }
    }

    header: ToolBar {
        Label {
            anchors.fill: parent
            anchors.leftMargin: 16
            verticalAlignment: Text.AlignVCenter
            text: appName + "  " + versionnumber + ["", "  BETA", "  DEV"][releaseState]
            font.pixelSize: 18
            font.bold: true
        }
    }

    ListView {
        id: plugins

        anchors.fill: parent
        anchors.margins: 16
        spacing: 4
        clip: true
        model: productManager.productListModel
        delegate: ItemDelegate {
            id: row

            required property string plugin_name
            required property string installed_version
            required property string available_version
            required property int button_state

            width: ListView.view.width
            contentItem: RowLayout {
                Label {
                    Layout.preferredWidth: 240
                    text: row.plugin_name
                    font.bold: true
                }
                Label {
                    Layout.preferredWidth: 200
                    text: row.available_version === ""
                          ? row.installed_version
                          : row.installed_version + " → " + row.available_version
                }
                Label {
                    Layout.fillWidth: true
                    text: mainWindow.stateText(row.button_state)
                }
            }
        }
    }
}
