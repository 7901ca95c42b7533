import QtQuick
import QtQuick.Controls.Basic
import QtQml.Models
import InstallationState 1.0
import ErrorType 1.0
import KelvoStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// One plug-in of the launcher. The look follows `pluginButtonState`, the button's own copy of
// the row's state: the changelog and start-options states exist only here.
Rectangle {
    id: root

    required property var model
    required property int index

    property int pluginButtonState: oneRowState(model.button_state ?? InstallationState.NOT_INSTALLED)
    property int appId: model.app_id ?? 0
    property string installedVersion: model.installed_version ?? "0.0.0"
    property string availableVersion: model.available_version ?? "0.0.0"
    property string changeLog: model.change_log ?? ""
    property string pluginName: model.plugin_name ?? nameLabel.text
    property bool useMobileLayout: false
    property real contentHeight: 0
    property var mContentModel: emptyModel

    readonly property bool showsChangelog: pluginButtonState === InstallationState.NOT_INSTALLED_CHANGELOG
                                           || pluginButtonState === InstallationState.INSTALLED_UPDATEABLE_CHANGELOG
    readonly property bool showsStartOptions: pluginButtonState === InstallationState.INSTALLED_STARTOPTIONS
    readonly property bool takesClicks: takesClicksIn(pluginButtonState)
    property bool clicksEnabled: true
    // The one-row look the button had before its changelog opened; for a row that arrives in
    // a changelog state, the versions tell whether an older version is installed.
    property int lastOneRowState: installedVersion !== availableVersion
                                  ? InstallationState.INSTALLED_UPDATEABLE
                                  : InstallationState.NOT_INSTALLED
    readonly property string statusIcon: {
        if (pluginButtonState === InstallationState.NOT_INSTALLED)
            return "qrc:/images/icons/button/download/enabled.png"
        if (pluginButtonState === InstallationState.INSTALLED_UPDATEABLE)
            return "qrc:/images/icons/button/check_updates/blue.png"
        return ""
    }

    signal changedHeight
    signal startOptionsClosed

    function takesClicksIn(buttonState) {
        return buttonState === InstallationState.NOT_INSTALLED
                || buttonState === InstallationState.INSTALLED
                || buttonState === InstallationState.INSTALLED_UPDATEABLE
    }

    function enablePluginButton(value) {
        clicksEnabled = value
    }

    // The row may hold a state that only a button shows (the product manager marks a product
    // whose changelog arrived); a reset button always shows its one-row look.
    function oneRowState(rowState) {
        switch (rowState) {
        case InstallationState.NOT_INSTALLED_CHANGELOG:
        case InstallationState.INSTALLED_UPDATEABLE_CHANGELOG:
            return lastOneRowState
        case InstallationState.INSTALLED_STARTOPTIONS:
            return InstallationState.INSTALLED
        default:
            return rowState
        }
    }

    function resetButton() {
        pluginButtonState = oneRowState(model.button_state ?? InstallationState.INSTALLED)
        resetModel()
    }

    function resetModel() {
        if (mContentModel !== emptyModel) {
            const old = mContentModel
            mContentModel = emptyModel
            old.destroy(1)
        }
        contentHeight = 0
    }

    function enableContentModel(value) {
        enablePluginButton(value)
        if (mContentModel !== emptyModel && typeof mContentModel.enableAll === "function")
            mContentModel.enableAll(value)
    }

    function updateHeight() {
        let sum = margin.four
        for (let i = 0; i < mContentModel.count; ++i) {
            const item = mContentModel.get(i)
            if (item && item.height > 0)
                sum += item.height
        }
        contentHeight = sum
        changedHeight()
    }

    function openStartOptions() {
        pluginButtonState = InstallationState.INSTALLED_STARTOPTIONS
        const path = kelvo.getPluginStartOptions(appId)
        if (path === "")
            return
        const component = Qt.createComponent(path)
        if (component.status !== Component.Ready) {
            console.debug("startoptions not ready", component.status, component.errorString())
            return
        }
        const options = component.createObject(root, {
                                                    "elementWidth": startOptionsList.width
                                                })
        if (!options) {
            console.debug("startoptions not ready", component.status, component.errorString())
            return
        }
        if (options.useMobileLayout !== undefined)
            options.useMobileLayout = Qt.binding(() => root.useMobileLayout)
        mContentModel = options
        updateHeight()
    }

    function cancel() {
        if (pluginButtonState === InstallationState.NOT_INSTALLED_CHANGELOG) {
            pluginButtonState = InstallationState.NOT_INSTALLED
        } else if (pluginButtonState === InstallationState.INSTALLED_UPDATEABLE_CHANGELOG) {
            pluginButtonState = InstallationState.INSTALLED_UPDATEABLE
        } else if (showsStartOptions) {
            pluginButtonState = InstallationState.INSTALLED
            kelvo.cancelLoading()
        }
        startOptionsClosed()
        resetModel()
    }

    // The height of the current look; `height` follows it animated.
    readonly property real lookHeight: {
        if (showsChangelog)
            return 6.5 * sizes.clickableSize + margin.five
        if (showsStartOptions)
            return 2.5 * sizes.clickableSize + contentHeight
        return sizes.clickableSize
    }

    onPluginButtonStateChanged: {
        if (takesClicksIn(pluginButtonState))
            lastOneRowState = pluginButtonState
    }
    Component.onCompleted: {
        if (takesClicksIn(pluginButtonState))
            lastOneRowState = pluginButtonState
    }

    objectName: "pluginButton_" + pluginName
    width: sizes.eventGroupWidth + margin.six
    height: lookHeight
    radius: radii.ten
    color: pluginButtonState === InstallationState.INSTALLED
           || pluginButtonState === InstallationState.INSTALLED_UPDATEABLE
           ? globalColors.BUTTON_COLOR : globalColors.PLUGIN_BUTTON_NOTIFY

    Behavior on height {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.OutQuad
        }
    }

    ObjectModel {
        id: emptyModel
    }

    Text {
        id: nameLabel

        objectName: "nameLabel"
        anchors.left: parent.left
        anchors.right: statusImage.visible ? statusImage.left : parent.right
        height: sizes.clickableSize / 2
        text: model.plugin_name ?? ""
        font.bold: true
        font.pointSize: fonts.eight_pt
        font.family: fonts.family
        color: globalColors.SELECTED_TEXT_COLOR
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Text {
        id: versionLine

        objectName: "versionLine"
        anchors.top: nameLabel.bottom
        width: parent.width
        height: sizes.clickableSize / 2
        text: root.availableVersion !== "" && root.installedVersion !== ""
              && root.availableVersion !== root.installedVersion
              ? root.installedVersion + " ---> " + root.availableVersion
              : (root.installedVersion !== "" ? root.installedVersion : root.availableVersion)
        font.pointSize: fonts.five_pt
        font.family: fonts.family
        color: globalColors.SELECTED_TEXT_COLOR
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    ScrollView {
        id: changelogView

        objectName: "changelogView"
        visible: root.showsChangelog
        anchors.top: versionLine.bottom
        anchors.topMargin: sizes.clickableSize / 2 + margin.ten
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width - sizes.clickableSize
        height: sizes.clickableSize * 4 - margin.five
        background: Rectangle {
            color: globalColors.TRANSPARENT
            border.width: 1
            border.color: globalColors.DARKGREY
        }

        TextArea {
            objectName: "changelogText"
            text: root.changeLog
            readOnly: true
            wrapMode: TextEdit.Wrap
            color: globalColors.SELECTED_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            background: null
        }
    }

    ListView {
        id: startOptionsList

        objectName: "startOptionsList"
        visible: root.showsStartOptions
        anchors.top: versionLine.bottom
        anchors.topMargin: sizes.clickableSize / 2 + margin.two
        anchors.bottom: buttonRow.top
        anchors.bottomMargin: margin.two
        anchors.left: parent.left
        anchors.right: parent.right
        interactive: false
        clip: true
        model: root.mContentModel
        onContentHeightChanged: root.updateHeight()
    }

    Item {
        id: buttonRow

        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: sizes.clickableSize
        visible: root.showsChangelog || root.showsStartOptions

        XImageButton {
            id: downloadButton

            objectName: "downloadButton"
            readonly property bool shown: root.showsChangelog

            anchors.right: parent.right
            width: shown ? sizes.clickableSize : 0
            height: parent.height
            visible: shown
            buttonEnabled: shown
            radius: 50
            imageSource: "qrc:/images/icons/button/download/enabled.png"
            onButtonReleased: kelvo.downloadPlugin(root.appId, root.pluginButtonState
                                                   === InstallationState.INSTALLED_UPDATEABLE_CHANGELOG)
        }

        XImageButton {
            id: cancelButton

            objectName: "cancelButton"
            property bool shown: root.showsChangelog || root.showsStartOptions

            anchors.right: downloadButton.left
            width: sizes.clickableSize
            height: parent.height
            visible: shown
            buttonEnabled: shown
            radius: 50
            imageSource: "qrc:/images/icons/button/cancel.png"
            onButtonReleased: root.cancel()
        }

        DeleteButton {
            id: deleteButton

            objectName: "deleteButton"
            readonly property bool shown: root.pluginButtonState === InstallationState.INSTALLED_UPDATEABLE_CHANGELOG
                                          || root.showsStartOptions

            anchors.left: parent.left
            width: sizes.clickableSize
            height: parent.height
            visible: shown
            buttonEnabled: shown
            onButtonReleased: {
                if (kelvo.cancelLoading(true))
                    kelvo.deletePlugin(root.appId, true)
            }
        }
    }

    // The light disc keeps the blue update icon legible on the dark button colour.
    Rectangle {
        id: statusImage

        objectName: "statusIcon"
        anchors.top: parent.top
        anchors.right: parent.right
        width: sizes.clickableSize
        height: sizes.clickableSize
        visible: root.statusIcon !== ""
        radius: width / 2
        color: root.pluginButtonState === InstallationState.INSTALLED_UPDATEABLE
               ? globalColors.CONTENT_BACKGROUND_COLOR : globalColors.TRANSPARENT
        border.width: margin.one
        border.color: root.color

        Image {
            anchors.fill: parent
            anchors.margins: margin.two
            source: root.statusIcon
            fillMode: Image.PreserveAspectFit
            sourceSize.height: sizes.clickableSize
        }
    }

    MouseArea {
        id: mouseArea

        objectName: "pluginMouseArea"
        anchors.fill: parent
        enabled: root.takesClicks && root.clicksEnabled
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: mouse => {
            if (mouse.button === Qt.RightButton)
                contextMenu.openIfNotEmpty()
        }
        onPressAndHold: contextMenu.openIfNotEmpty()
        onClicked: mouse => {
            if (mouse.button !== Qt.LeftButton)
                return
            if (root.pluginButtonState === InstallationState.NOT_INSTALLED
                    || root.pluginButtonState === InstallationState.INSTALLED_UPDATEABLE)
                kelvo.downloadChangelog(root.appId)
            else if (root.pluginButtonState === InstallationState.INSTALLED)
                root.openStartOptions()
        }
    }

    XMenu {
        id: contextMenu

        objectName: "contextMenu"
        menuItemNames: [kelvo.getTranslation(KelvoStringKeys.RIGHT_CLICK_DELETE_PLUGIN)]
        onExecuteAction: kelvo.deletePlugin(root.appId, true)
        Component.onCompleted: addMenuItem()
    }

    Connections {
        target: productManager

        function onPluginDeleted(requestingAppId) {
            if (requestingAppId === root.appId)
                root.pluginButtonState = InstallationState.INSTALLED_DELETED
        }
        function onChangeLogAvailable(requestingAppId, newChangeLog) {
            if (requestingAppId !== root.appId)
                return
            root.pluginButtonState = root.pluginButtonState === InstallationState.NOT_INSTALLED
                    ? InstallationState.NOT_INSTALLED_CHANGELOG
                    : InstallationState.INSTALLED_UPDATEABLE_CHANGELOG
            root.changeLog = newChangeLog
        }
        function onErrorOccured(requestingAppId, error) {
            if (requestingAppId !== root.appId)
                return
            if (error === ErrorType.JSON_CORRUPT) {
                root.changeLog = kelvo.getTranslation(KelvoStringKeys.TXT_NO_JSON)
                // Opened, so that the user reads why there is no changelog to show.
                if (root.pluginButtonState === InstallationState.NOT_INSTALLED)
                    root.pluginButtonState = InstallationState.NOT_INSTALLED_CHANGELOG
                else if (root.pluginButtonState === InstallationState.INSTALLED_UPDATEABLE)
                    root.pluginButtonState = InstallationState.INSTALLED_UPDATEABLE_CHANGELOG
            } else if (error === ErrorType.DOWNLOAD_FAILED) {
                root.changeLog = kelvo.getTranslation(KelvoStringKeys.TXT_DOWNLOAD_FAILED)
            }
        }
    }

    Connections {
        target: kelvo

        function onEnableCancel(enable, requestingAppId) {
            if (requestingAppId !== root.appId)
                return
            cancelButton.shown = enable
        }
    }
}
