import QtQuick
import QtQuick.Controls.Basic
import XEvents 1.0
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import Translator 1.0
import ReleaseState 1.0
import UpdateErrors 1.0
import common.src.presentation_layer.assets.common_controls
import app.src.presentation_layer.assets.kelvo_controls

// The shell's window: top bar, launcher, slide-in panels, message pop-ups and dialogs, and the
// area into which an opened plug-in places its view.
ApplicationWindow {
    id: rootWindow

    readonly property bool useMobileLayout: width < sizes.clickableSize * 9
    property bool isQuittingApp: false
    property string filePath
    property var selectedPlugin
    property var controlPanel
    property var coverSheetInputs
    property alias messagePopup: messagePopup
    // Set by the start-up once the first frame is on screen: what is not needed for it is made
    // from then on.
    property bool firstFramePresented: false

    function exitApp() {
        rootWindow.hide()
        kelvo.quitApplication()
        Qt.quit()
    }

    function closePlugin() {
        kelvo.exitPlugin()
        statusBox.reduced = useMobileLayout
        statusBox.isShown = !useMobileLayout
        reset()
        if (kelvo.isVireo()) {
            if (filterRec.listView.model && typeof filterRec.listView.model.enableAll === "function")
                filterRec.listView.model.enableAll(true)
        } else {
            pluginContainer.enableStartOptionItems(true)
        }
    }

    function showDialog(isSaving, filters, isPDF, isWithLoading) {
        fileDialog.isSavingFile = isSaving
        fileDialog.isWithLoading = isWithLoading
        fileDialog.nameFilters = filters
        fileDialog.isPDF = isPDF
        fileDialog.open()
    }

    function reset() {
        if (selectedPlugin) {
            selectedPlugin.destroy(1)
            selectedPlugin = undefined
        }
        if (headerRec.navigationBar) {
            headerRec.navigationBar.destroy()
            headerRec.navigationBar = undefined
        }
        if (controlPanel) {
            controlPanel.destroy()
            controlPanel = undefined
        }
        if (coverSheetInputs) {
            coverSheetInputs.destroy()
            coverSheetInputs = undefined
        }
        headerRec.showHeaderElements(false, true)
        if (kelvo.isVireo()) {
            pluginContainer.setFlickableVisibility(true)
            pluginContainer.setButtonGridVisibility(false)
        } else {
            pluginContainer.changeVisibility(true)
        }
        pluginContainer.resetPluginButtons()
    }

    function getActionText(action) {
        switch (action) {
        case Events.FORMAT_FILE_SYSTEM:
            return kelvo.getTranslation(KelvoStringKeys.BTN_FORMAT)
        case Events.FACTORY_RESET:
            return kelvo.getCommonTranslation(CommonStringKeys.BTN_FACTORY_RESET)
        case Events.CANCEL:
        case Events.LOAD_CANCEL:
        case Events.DEVICE_REMOVED_NOTIFY:
            return kelvo.getTranslation(KelvoStringKeys.BTN_CANCEL)
        case Events.SAVE:
        case Events.SAVE_CAN:
        case Events.SAVE_WIFI_SETTINGS:
        case Events.SAVE_PDF:
            return kelvo.getTranslation(KelvoStringKeys.BTN_SAVE)
        case Events.SAVE_TO_FILE:
            return kelvo.getTranslation(KelvoStringKeys.BTN_SAVE_TO_FILE)
        case Events.RESTART_DEVICE:
            return kelvo.getTranslation(KelvoStringKeys.BTN_RESTART)
        case Events.DELETE_PLUGIN:
            return kelvo.getTranslation(KelvoStringKeys.BTN_DELETE_PLUGIN)
        case Events.RESTORE_SINGLE_BACKUP:
            return kelvo.getCommonTranslation(CommonStringKeys.BTN_RESTORE_BACKUP)
        default:
            return kelvo.getTranslation(KelvoStringKeys.BTN_OK)
        }
    }

    function fillPopup(popup, text, type, okAction, cancelAction, okButtonText) {
        popup.message = text
        popup.popUpState = type
        popup.okAction = okAction
        popup.cancelAction = cancelAction
        popup.okButtonText = okButtonText !== "" ? okButtonText : getActionText(okAction)
        popup.cancelButtonText = getActionText(cancelAction)
    }

    function showMessage(text, type, okAction, cancelAction, okButtonText) {
        if (messagePopup.opened && messagePopup.popUpState === Events.INFO_MESSAGE) {
            messagePopup.message += "\n" + "-".repeat(30) + "\n" + text
            return
        }
        if (messagePopup.opened) {
            const component = Qt.createComponent(
                                "qrc:/common/src/presentation_layer/assets/common_controls/MessagePopUp.qml")
            if (component.status !== Component.Ready) {
                console.warn("Popup not ready", component.errorString())
                return
            }
            const popup = component.createObject(rootWindow, messagePopup.titleTexts())
            fillPopup(popup, text, type, okAction, cancelAction, okButtonText)
            popup.okReleased.connect(() => messagePopup.evaluateAction(popup.okAction))
            popup.cancelReleased.connect(() => messagePopup.evaluateAction(popup.cancelAction))
            popup.closed.connect(() => popup.destroy(1))
            popup.open()
            return
        }
        fillPopup(messagePopup, text, type, okAction, cancelAction, okButtonText)
        messagePopup.open()
    }

    function setLoadingVisible(show) {
        if (show && !messagePopup.opened)
            loadingRec.open()
        else
            loadingRec.close()
    }

    function injectPlugin(qmlPath, isVirtual) {
        const component = Qt.createComponent(qmlPath)
        if (component.status !== Component.Ready) {
            console.warn("UiElement not ready", component.errorString())
            return
        }
        setLoadingVisible(true)
        const view = component.createObject(rootWindow.contentItem, {
                                                "height": rootWindow.height - headerRec.height,
                                                "width": rootWindow.width,
                                                "y": headerRec.height,
                                                "x": 0,
                                                "z": -1,
                                                "isVirtualDevice": isVirtual
                                            })
        if (!view) {
            console.warn("UiElement not ready", component.errorString())
            setLoadingVisible(false)
            return
        }
        selectedPlugin = view
        if (headerRec.navigationBar)
            headerRec.navigationBar.parentView = view
        view.navBar = Qt.binding(() => headerRec.navigationBar)
        view.controlPanel = Qt.binding(() => rootWindow.controlPanel)
        pluginContainer.changeVisibility(false)
        filterRec.visible = false
        filterRec.panel.visible = false
        headerRec.showHeaderElements(true, !qmlPath.includes("Mobile"))
        if (isVirtual)
            setLoadingVisible(false)
    }

    function addControlPanel(qmlPath) {
        const component = Qt.createComponent(qmlPath)
        if (component.status !== Component.Ready) {
            console.warn("UiElement not ready", component.errorString())
            return
        }
        const sheetComponent = Qt.createComponent("qrc:/assets/kelvo/ReportCoverSheetInputs.qml")
        if (sheetComponent.status !== Component.Ready) {
            console.warn("UiElement not ready", sheetComponent.errorString())
            return
        }
        const sheet = sheetComponent.createObject(rootWindow.contentItem, {
                                                      "saveDialog": fileDialog
                                                  })
        sheet.width = Qt.binding(() => Math.min(sizes.reportCoverSheetWidth, rootWindow.width))
        // The sheet opens below the top bar, so it never reaches further down than the window.
        sheet.height = Qt.binding(() => {
                                      const room = rootWindow.height - sizes.clickableSize
                                      if (sizes.reportCoverSheetWidth >= rootWindow.width)
                                          return room
                                      return Math.min(sheet.fullHeight, room)
                                  })
        coverSheetInputs = sheet
        const panel = component.createObject(headerRec, {
                                                 "coverSheetInput": sheet
                                             })
        if (!panel) {
            console.warn("UiElement not ready", component.errorString())
            return
        }
        panel.anchors.horizontalCenter = headerRec.horizontalCenter
        controlPanel = panel
    }

    // Leaving the plug-in (back button) and quitting share one decision about unsaved changes.
    function requestLeave(isExit) {
        const hasCheck = plugin !== null && typeof plugin.checkChanges === "function"
        if (hasCheck && plugin.checkChanges()) {
            saveDialog.isExit = isExit
            saveDialog.open()
            return
        }
        let text = kelvo.getTranslation(isExit ? KelvoStringKeys.WRN_MSG_EXIT_BUTTON
                                               : KelvoStringKeys.WRN_MSG_BACK_BUTTON)
        if (hasCheck && (!isExit || selectedPlugin) && plugin.getAppId() !== 7
                && plugin.getAppId() !== 11)
            text += "\n" + kelvo.getTranslation(KelvoStringKeys.WRN_MSG_DELETE_NOT_SAVED)
        showMessage(text, Events.WARNING_MESSAGE, Events.EXIT, Events.CANCEL, "")
    }

    function showChangesWindow() {
        const name = translator.currentLanguage === Translator.GERMAN ? "ChangesWindow.qml"
                                                                       : "ChangesWindowEng.qml"
        const component = Qt.createComponent("qrc:/assets/kelvo/" + name)
        if (component.status !== Component.Ready) {
            console.warn("UiElement not ready", component.errorString())
            return
        }
        const window = component.createObject(rootWindow, {
                                                  "transientParent": rootWindow
                                              })
        window.show()
        kelvo.changeVisibilityOfUpdateHint()
    }

    function hidePanel(panel) {
        panel.anchors.topMargin = -2 * panel.height
    }

    function showPanel(panel) {
        panel.show()
    }

    objectName: "rootWindow"
    title: kelvo.getApplicationName(true)
    color: globalColors.CONTENT_BACKGROUND_COLOR

    onClosing: close => {
        close.accepted = false
        isQuittingApp = true
        requestLeave(true)
    }
    onWidthChanged: {
        if (selectedPlugin)
            selectedPlugin.width = width
    }
    onHeightChanged: {
        if (selectedPlugin)
            selectedPlugin.height = height - headerRec.height
    }

    Component.onCompleted: {
        height = 500
        width = 1000
        x = 100
        y = 100
        showMaximized()
    }
    onFirstFramePresentedChanged: {
        if (firstFramePresented && showUpdateHint)
            showChangesWindow()
    }

    Connections {
        target: kelvo
        ignoreUnknownSignals: true

        function onInjectPlugin(qmlPath, isVirtual) {
            rootWindow.injectPlugin(qmlPath, isVirtual)
        }
        function onMessageSend(messageText, messageType, okAction, cancelAction, okButtonText) {
            rootWindow.showMessage(messageText, messageType, okAction, cancelAction, okButtonText)
        }
        function onCloseDialog() {
            messagePopup.close()
            loadingRec.close()
        }
        function onShowSplashScreen(show) {
            rootWindow.setLoadingVisible(show)
        }
        function onEnableBackButton(enable) {
            headerRec.backButton.buttonEnabled = enable
        }
        function onShowStatusBox(show) {
            statusBox.isShown = show
        }
        function onAddControlPanel(qmlPath) {
            rootWindow.addControlPanel(qmlPath)
        }
        function onOpenForgottenPasswordPopup(customerCode) {
            forgottenPasswordPopUp.customerCodeText = customerCode
            forgottenPasswordPopUp.open()
        }
        function onOpenFileDialog(isSaving, isWithLoading, filters, isPDF) {
            rootWindow.showDialog(isSaving, [filters], isPDF, isWithLoading)
        }
        function onOpenFolderDialog(isSavingOnSD) {
            folderDialog.isSavingConfigOnSD = isSavingOnSD
            folderDialog.open()
        }
        function onStartVireo() {
            pluginContainer.startVireo()
        }
    }

    ShortcutWindow {
        shortcutSequence: "Ctrl+T,Ctrl+C"
    }

    XFileDialog {
        id: fileDialog

        property bool isSavingFile: false
        property bool isWithLoading: false
        property bool isPDF: false
        property bool onlySaving: false

        title: kelvo.getCommonTranslation(isSavingFile ? CommonStringKeys.TXT_SAVING
                                                       : CommonStringKeys.TXT_LOADING)
        fileMode: isSavingFile ? XFileDialog.SaveFile : XFileDialog.OpenFile
        // Saving for a removed device shows the overlay before the dialog: nothing follows now.
        onRejected: rootWindow.setLoadingVisible(false)
        onAccepted: {
            close()
            rootWindow.filePath = selectedFile.toString()
            if (isSavingFile && isPDF) {
                if (rootWindow.coverSheetInputs)
                    rootWindow.hidePanel(rootWindow.coverSheetInputs)
                rootWindow.setLoadingVisible(true)
                plugin.createPdfReport(rootWindow.filePath, versionnumber)
                if (onlySaving)
                    plugin.saveCreatedReport(rootWindow.filePath)
            } else if (isSavingFile) {
                plugin.saveConfigurationToFile(rootWindow.filePath, isWithLoading)
            } else {
                plugin.loadConfigurationFile(rootWindow.filePath)
            }
        }
    }

    XFileDialog {
        id: folderDialog

        property bool isSavingConfigOnSD: false

        title: kelvo.getCommonTranslation(CommonStringKeys.TXT_SAVING)
        fileMode: XFileDialog.SelectFolder
        onRejected: close()
        onAccepted: {
            close()
            rootWindow.filePath = selectedFolder.toString()
            if (isSavingConfigOnSD)
                plugin.createBackupOnSDCard(rootWindow.filePath)
            else
                plugin.createBackupForSDCard(rootWindow.filePath)
        }
    }

    XLoadingScreen {
        id: loadingRec

        objectName: "loadingRec"
    }

    ApplicationHeader {
        id: headerRec

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        isMobileLayout: rootWindow.useMobileLayout

        onResetDialogBoxes: {
            const dialog = updateDialog.item
            if (dialog && dialog.updateDialogState !== 0)
                dialog.updateDialogState = 0
            rootWindow.hidePanel(userSettings)
            rootWindow.hidePanel(assemblyInstructions)
        }
        onSetUserSettings: wasPressed => {
            if (wasPressed)
                rootWindow.hidePanel(userSettings)
            else
                rootWindow.showPanel(userSettings)
        }
        onMoiButtonClicked: wasPressed => {
            if (wasPressed)
                rootWindow.hidePanel(assemblyInstructions)
            else
                rootWindow.showPanel(assemblyInstructions)
        }
        onSetNavBar: {
            if (rootWindow.selectedPlugin)
                rootWindow.selectedPlugin.navBar = navigationBar
        }
        onBackButtonClicked: rootWindow.requestLeave(false)

        Connections {
            target: headerRec.companyHeader

            function onUserButtonPressed() {
                headerRec.resetDialogBoxes()
                const header = headerRec.companyHeader
                headerRec.setUserSettings(header.userSettingsIsPressed)
                header.userSettingsIsPressed = !header.userSettingsIsPressed
                Qt.inputMethod.hide()
            }
            function onAboutButtonPressed() {
                headerRec.resetDialogBoxes()
            }
            function onUpdateButtonPressed() {
                headerRec.resetDialogBoxes()
                headerRec.companyHeader.checkingForUpdates = true
                kelvo.checkForKelvoUpdates()
            }
        }
    }

    UserSettings {
        id: userSettings

        z: 20
        anchors.top: headerRec.bottom
        anchors.topMargin: -2 * height
        width: parent.width
        height: parent.height
        useMobileLayout: rootWindow.useMobileLayout
        header: headerRec.companyHeader
        onChangedLanguage: rootWindow.showMessage(
                               "Die Änderung der Sprache wird erst nach einem Neustart wirksam.\n"
                               + "The change of language only takes effect after a restart.",
                               Events.INFO_MESSAGE, Events.OK, Events.CANCEL, "")
    }

    // Made right after the first frame, before the update check of the start can answer.
    LazyLoader {
        id: updateDialog

        z: 20
        anchors.top: headerRec.bottom
        width: parent.width
        height: parent.height
        wanted: rootWindow.firstFramePresented
        sourceComponent: UpdateDialog {
            anchors.top: parent.top
            anchors.topMargin: -2 * height
            useMobileLayout: rootWindow.useMobileLayout
            header: headerRec.companyHeader
        }
    }

    GlobalAssemblyInstructions {
        id: assemblyInstructions

        z: 20
        anchors.top: headerRec.bottom
        anchors.topMargin: -2 * height
        width: parent.width
        height: parent.height
        useMobileLayout: rootWindow.useMobileLayout
        header: headerRec
    }

    StatusBoxFiltered {
        id: statusBox

        z: 20
        height: rootWindow.useMobileLayout ? rootWindow.height * 0.75 : sizes.statusBoxHeight
        reduced: rootWindow.useMobileLayout
        followsLines: rootWindow.firstFramePresented
        anchors.bottom: parent.bottom
        // Centred in the narrow layout. Never anchored at the right and the centre at once:
        // the anchors would then size the box themselves, over its width binding.
        anchors.right: parent.right
        anchors.rightMargin: rootWindow.useMobileLayout ? margin.four / 2 : margin.one
        width: rootWindow.useMobileLayout ? parent.width - margin.four
                                          : parent.width - margin.four - sizes.sidebarNavigation
    }

    PluginContainer {
        id: pluginContainer

        anchors.fill: parent
        anchors.topMargin: sizes.doubleClickableSize
        anchors.leftMargin: margin.five
        anchors.rightMargin: margin.five
        useMobileLayout: rootWindow.useMobileLayout

        onShowStartOptions: appId => {
            filterRec.visible = true
            filterRec.panel.visible = true
            const path = kelvo.getPluginStartOptions(appId, true)
            if (path === "")
                return
            const component = Qt.createComponent(path)
            if (component.status !== Component.Ready) {
                console.warn("UiElement not ready", component.errorString())
                return
            }
            const options = component.createObject(filterRec.panel, {
                                                       "elementWidth": filterRec.listView.width
                                                   })
            if (options.useMobileLayout !== undefined)
                options.useMobileLayout = Qt.binding(() => rootWindow.useMobileLayout)
            filterRec.listView.model = options
        }
    }

    Text {
        objectName: "versionText"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        padding: margin.defaultPadding
        text: "V. " + versionnumber
        color: globalColors.TITLE_COLOR
        font.pointSize: fonts.five_pt
        font.family: fonts.family
    }

    MessagePopUp {
        id: messagePopup

        function titleTexts() {
            return {
                "infoText": kelvo.getTranslation(KelvoStringKeys.TXT_INFORMATION),
                "hintText": kelvo.getTranslation(KelvoStringKeys.TXT_HINT),
                "warningText": kelvo.getTranslation(KelvoStringKeys.TXT_WARNING),
                "errorText": kelvo.getCommonTranslation(CommonStringKeys.TXT_ERROR)
            }
        }

        function evaluateAction(action) {
            switch (action) {
            case Events.OK:
            case Events.UPDATE_NEXT_MODULE:
            case Events.LOAD_CANCEL:
                messagePopup.close()
                loadingRec.close()
                break
            case Events.EXIT:
                if (rootWindow.isQuittingApp) {
                    rootWindow.isQuittingApp = false
                    rootWindow.exitApp()
                } else {
                    rootWindow.closePlugin()
                }
                break
            case Events.FW_UPDATE:
                plugin.forcedUpdateFirmware()
                break
            case Events.CANCEL:
                pluginContainer.enableStartOptionItems(true)
                break
            case Events.RESTART_DEVICE:
                plugin.restartDevice()
                break
            case Events.FORMAT_FILE_SYSTEM:
                plugin.startFormat()
                break
            case Events.FACTORY_RESET:
                plugin.setFactorySettings()
                break
            case Events.DEVICE_REMOVED_NOTIFY:
                plugin.removeTempConfigFile("/Report." + plugin.getConfigurationFileExtension())
                break
            case Events.LOAD_OK:
                plugin.loadConfigurationFromDevice()
                break
            case Events.DELETE_PLUGIN:
                kelvo.deletePlugin(0)
                break
            case Events.SAVE:
                plugin.saveConfiguration()
                break
            case Events.SAVE_CAN:
                if (kelvo.isVireo())
                    filterRec.listView.model.save()
                else
                    pluginContainer.startStartOptionsSave()
                break
            case Events.SAVE_TO_FILE:
                plugin.savingForDeviceRemoved = true
                if (kelvo.getIsMobile())
                    plugin.saveConfigurationToFile("", false)
                else
                    rootWindow.showDialog(true, [plugin.getFileFilter()], false, false)
                rootWindow.setLoadingVisible(true)
                break
            case Events.SAVE_WIFI_SETTINGS:
                plugin.saveWifiSettings("", "", 0, 0, false)
                break
            case Events.SAVE_PDF:
                fileDialog.onlySaving = true
                rootWindow.showDialog(true, ["PDF (*.pdf)"], true, false)
                break
            case Events.RESTORE_SINGLE_BACKUP:
                plugin.restoreBackup(plugin.canId)
                break
            }
        }

        objectName: "messagePopup"
        infoText: kelvo.getTranslation(KelvoStringKeys.TXT_INFORMATION)
        hintText: kelvo.getTranslation(KelvoStringKeys.TXT_HINT)
        warningText: kelvo.getTranslation(KelvoStringKeys.TXT_WARNING)
        errorText: kelvo.getCommonTranslation(CommonStringKeys.TXT_ERROR)
        onOkReleased: evaluateAction(okAction)
        onCancelReleased: evaluateAction(cancelAction)
    }

    SaveDialog {
        id: saveDialog

        objectName: "saveDialog"
        headerText: kelvo.getTranslation(KelvoStringKeys.TXT_WARNING)
        message: kelvo.getTranslation(KelvoStringKeys.WRN_MSG_UNSAVED_CHANGES)
        yesButtonText: kelvo.getCommonTranslation(CommonStringKeys.TXT_YES)
        noButtonText: kelvo.getCommonTranslation(CommonStringKeys.TXT_NO)
        cancelButtonText: kelvo.getCommonTranslation(CommonStringKeys.TXT_CANCEL)
        onYesReleased: {
            close()
            pluginSaved.leaveAfterSave = true
            plugin.saveConfiguration()
        }
        onNoReleased: {
            close()
            if (isExit) {
                rootWindow.exitApp()
                return
            }
            if (kelvo.isVireo())
                pluginContainer.setButtonGridVisibility(false)
            rootWindow.closePlugin()
        }
        onCancelReleased: close()
    }

    Connections {
        id: pluginSaved

        // Only a save asked for by the unsaved-changes decision leaves the plug-in.
        property bool leaveAfterSave: false

        target: plugin
        ignoreUnknownSignals: true

        function onConfigurationSaved() {
            if (!leaveAfterSave)
                return
            leaveAfterSave = false
            if (saveDialog.isExit)
                rootWindow.exitApp()
            else
                rootWindow.closePlugin()
        }
    }

    ForgottenPasswordPopUp {
        id: forgottenPasswordPopUp

        onOkReleased: {
            if (kelvo.checkCode(salesCode))
                plugin.deletePassword(0)
            else
                showError = true
            close()
        }
        onCancelReleased: close()
    }

    VireoStartOptionsPopup {
        id: filterRec

        anchors.top: headerRec.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: false
    }

    VireoPluginChangelog {
        anchors.top: headerRec.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
