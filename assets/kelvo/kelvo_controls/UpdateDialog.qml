import QtQuick
import QtQuick.Controls.Basic
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import UpdateErrors 1.0
import common.src.presentation_layer.assets.common_controls

// The shell's own update: the offered version with its changelog, the download, the hand-over
// to the extractor, "up to date" and the reason of a failure. State 0 hides the drawer.
FilterRectangle {
    id: root

    property bool useMobileLayout: false
    property int updateDialogState: 0
    property int appId: 6
    property real contentPadding: margin.defaultPadding
    property string version: "0.0.0"
    property string changeLog: "..."
    property var header
    // The text of the last error; the box shows it instead of the changelog until the next
    // changelog arrives.
    property string errorText: ""
    // What the drawer shows: the last visible state, kept while it slides out.
    readonly property int shownState: updateDialogState !== 0 ? updateDialogState : lastShownState
    property int lastShownState: 0
    readonly property bool boxVisible: shownState === 1 || shownState === 5
    readonly property real labelWidth: drawer.width - 2 * contentPadding - sizes.clickableSize

    function stopSpinner() {
        if (header)
            header.checkingForUpdates = false
    }

    function errorMessage(error) {
        switch (error) {
        case UpdateErrors.JSON_CORRUPT:
            return kelvo.getTranslation(KelvoStringKeys.TXT_NO_JSON)
        case UpdateErrors.ARCHIVE_LOST:
            return kelvo.getTranslation(KelvoStringKeys.TXT_UPDATE_CORRUPT)
        case UpdateErrors.DOWNLOAD_FAILED:
            return kelvo.getTranslation(KelvoStringKeys.TXT_DOWNLOAD_FAILED)
        case UpdateErrors.DOWNLOAD_INCOMPLETE:
            return kelvo.getTranslation(KelvoStringKeys.TXT_DOWNLOAD_INCOMPLETE)
        }
        return kelvo.getCommonTranslation(CommonStringKeys.TXT_ERROR)
    }

    function labelText() {
        switch (shownState) {
        case 1:
            return kelvo.getTranslation(KelvoStringKeys.TXT_AVAILABLE_VERSION).replace("%1", version)
        case 2:
            return kelvo.getTranslation(KelvoStringKeys.TXT_DOWNLOADING)
        case 3:
            return kelvo.getTranslation(KelvoStringKeys.INFO_MSG_INSTALL_UPDATE)
        case 4:
            return kelvo.getTranslation(KelvoStringKeys.TXT_IS_UP_TO_DATE)
        }
        return kelvo.getCommonTranslation(CommonStringKeys.TXT_ERROR)
    }

    function drawerHeight() {
        if (updateDialogState === 0)
            return 0
        if (shownState === 1 || shownState === 5)
            return sizes.clickableSize * 7.5
        return sizes.doubleClickableSize + margin.five
    }

    function downloadReleased() {
        if (updateDialogState === 1) {
            updateDialogState = 2
            kelvo.downloadUpdate()
            if (header)
                header.checkingForUpdates = true
        } else if (updateDialogState === 3) {
            kelvo.runUpdate()
        }
    }

    // Closing an offered update is "later" for that version.
    function putOff() {
        if (updateDialogState === 1)
            kelvo.postponeUpdate()
        updateDialogState = 0
    }

    objectName: "updateDialog"
    onUpdateDialogStateChanged: {
        if (updateDialogState !== 0)
            lastShownState = updateDialogState
        anchors.topMargin = updateDialogState === 0 ? -2 * height : 0
    }
    onFilterClicked: {
        if (updateDialogState === 0)
            return
        hide()
        putOff()
    }

    Connections {
        target: kelvo
        ignoreUnknownSignals: true

        function onSendKelvoDetails(requestingAppId, availableVersion, isUpToDate) {
            root.appId = requestingAppId
            root.version = availableVersion
            root.stopSpinner()
            if (isUpToDate) {
                root.updateDialogState = 4
                upToDateTimer.restart()
            }
        }
    }

    Connections {
        target: bundleManager

        function onChangeLogAvailable(requestingAppId, newChangeLog) {
            if (requestingAppId !== root.appId)
                return
            root.errorText = ""
            root.changeLog = newChangeLog
            root.updateDialogState = 1
        }
        function onUpdateReady() {
            root.updateDialogState = 3
            root.stopSpinner()
        }
        function onErrorOccured(requestingAppId, error) {
            if (requestingAppId !== root.appId)
                return
            root.errorText = root.errorMessage(error)
            // Where the box is hidden, or the user waits for a check he asked for, the error
            // state shows why the update failed.
            const waiting = root.header && root.header.checkingForUpdates
            const state = root.updateDialogState
            if (state === 2 || state === 3 || state === 4 || (state === 0 && waiting))
                root.updateDialogState = 5
            root.stopSpinner()
        }
        function onDownloadFailed() {
            root.stopSpinner()
        }
    }

    Timer {
        id: upToDateTimer

        interval: 2000
        onTriggered: {
            if (root.updateDialogState === 4)
                root.updateDialogState = 0
        }
    }

    DrawerWindow {
        id: drawer

        objectName: "updateDrawer"
        anchors.right: parent.right
        anchors.rightMargin: margin.five * 2
        y: root.shownState === 5 && root.header ? root.header.height : 0
        width: root.useMobileLayout ? parent.width - margin.five * 2 : sizes.eventGroupPopUpWidth
        height: root.drawerHeight()

        XLabel {
            id: label

            objectName: "updateLabel"
            x: root.contentPadding
            y: root.contentPadding
            width: root.labelWidth
            height: sizes.clickableSize
            labelText: root.labelText()
            labelColor: globalColors.BUTTON_TEXT_COLOR
            labelFontSize: fonts.seven_pt
        }

        Rectangle {
            id: changeLogBox

            objectName: "changeLogBox"
            anchors.top: label.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: drawer.width - 4 * root.contentPadding
            height: root.boxVisible ? sizes.clickableSize * 5 : 0
            visible: root.boxVisible
            color: globalColors.CONTENT_BACKGROUND_COLOR
            border.width: 1
            border.color: globalColors.DARKGREY

            ScrollView {
                anchors.fill: parent
                anchors.margins: 1
                ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

                TextArea {
                    objectName: "changeLogText"
                    readOnly: true
                    wrapMode: TextEdit.Wrap
                    text: root.errorText !== "" ? root.errorText : root.changeLog
                    color: globalColors.TITLE_COLOR
                    font.family: fonts.family
                    font.pointSize: fonts.five_pt
                    background: null
                }
            }
        }

        Item {
            id: buttonRow

            anchors.bottom: parent.bottom
            anchors.bottomMargin: root.contentPadding
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.rightMargin: root.contentPadding
            height: sizes.clickableSize

            Behavior on height {
                NumberAnimation {
                    duration: animDuration.full
                    easing.type: Easing.OutQuad
                }
            }

            CancelButton {
                id: cancelButton

                objectName: "updateCancelButton"
                anchors.right: parent.right
                height: parent.height
                width: height
                src: "qrc:/images/icons/button/cancel_white.png"
                onButtonReleased: root.putOff()
            }

            XImageButton {
                objectName: "downloadButton"
                anchors.right: cancelButton.left
                anchors.rightMargin: margin.two
                height: parent.height
                width: height
                radius: 50
                visible: (root.shownState === 1 && !kelvo.getIsMobile()) || root.shownState === 3
                imageSource: root.shownState === 3 ? "qrc:/images/icons/button/ok/white.png"
                                                   : "qrc:/images/icons/button/download/white.png"
                onButtonReleased: root.downloadReleased()
            }
        }
    }
}
