import QtQuick
import QtQuick.Controls.Basic
import ReleaseState 1.0
import KelvoStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The right end of the top bar: help, update, about and user buttons and the logo. Its colour
// tells a beta (yellow) or development (red) build at a glance.
Rectangle {
    id: root

    property bool userSettingsIsPressed: false
    property bool checkingForUpdates: false
    property bool useMobileLayout: false
    property string helpUrl: ""
    property alias helpButton: helpButton

    signal userButtonPressed
    signal aboutButtonPressed
    signal updateButtonPressed

    function openAbout() {
        aboutPopup.wanted = true
        aboutPopup.item.open()
    }

    function closeAbout() {
        if (aboutPopup.item)
            aboutPopup.item.close()
    }

    objectName: "companyHeader"
    color: releaseState === ReleaseState.BETA ? "yellow"
                                              : releaseState === ReleaseState.DEV
                                                ? "red" : globalColors.CONTENT_BACKGROUND_COLOR
    height: sizes.clickableSize
    width: logo.width + userButton.width + aboutButton.width + updateButton.width + helpButton.width
    z: 50

    Row {
        anchors.right: parent.right
        height: parent.height
        layoutDirection: Qt.RightToLeft

        Image {
            id: logo

            objectName: "logo"
            height: root.height
            width: 3 * root.height
            source: "qrc:/images/logo.png"
            fillMode: Image.PreserveAspectFit
            asynchronous: true
            sourceSize.height: root.height
        }

        XImageButton {
            id: userButton

            objectName: "userButton"
            width: sizes.clickableSize
            height: sizes.clickableSize
            imageSource: "qrc:/images/icons/foldingbox/user_settings.png"
            toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_USER_BUTTON)
            onButtonReleased: {
                root.closeAbout()
                root.userButtonPressed()
            }
        }

        XImageButton {
            id: aboutButton

            objectName: "aboutButton"
            width: sizes.clickableSize
            height: sizes.clickableSize
            imageSource: "qrc:/images/icons/button/info.png"
            toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_ABOUT_BUTTON)
            onButtonReleased: {
                root.aboutButtonPressed()
                root.openAbout()
            }
        }

        XImageButton {
            id: updateButton

            objectName: "updateButton"
            width: sizes.clickableSize
            height: sizes.clickableSize
            imageSource: "qrc:/images/icons/button/check_updates/blue.png"
            toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_UPDATE_BUTTON)
            onButtonReleased: {
                root.closeAbout()
                root.updateButtonPressed()
            }
        }

        XImageButton {
            id: helpButton

            objectName: "helpButton"
            width: visible ? sizes.clickableSize : 0
            height: sizes.clickableSize
            imageSource: "qrc:/images/icons/button/help.png"
            toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_HELP_BUTTON)
            onButtonReleased: {
                root.closeAbout()
                // The server in force: the build setting or its override, never a fixed address.
                Qt.openUrlExternally(serverBaseUrl + "helps/help_sites.html")
            }
        }
    }

    QtObject {
        id: plugInState

        // Between the injection of a plug-in's view and leaving it.
        property bool open: false
    }

    Connections {
        target: kelvo
        ignoreUnknownSignals: true

        function onInjectPlugin() {
            plugInState.open = true
        }
        function onPluginClosed() {
            plugInState.open = false
        }
        function onQuit() {
            plugInState.open = false
        }
    }

    // Made when it is first opened.
    LazyLoader {
        id: aboutPopup

        sourceComponent: AboutPopUp {
            id: about

            width: root.useMobileLayout ? 4 * root.width : 400 + 5 * margin.three
            pluginOpen: plugInState.open
            onShowLicenseText: license => {
                about.height = about.parent.height - 50
                about.licenseText = kelvo.getLicenseText(license)
            }
        }
    }

    Timer {
        interval: animDuration.half / 8
        repeat: true
        running: root.checkingForUpdates
        triggeredOnStart: true
        onTriggered: updateButton.rotation -= 5
        onRunningChanged: {
            if (!running)
                updateButton.rotation = 0
        }
    }
}
