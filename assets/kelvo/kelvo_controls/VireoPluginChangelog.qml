import QtQuick
import QtQuick.Controls.Basic
import Qt5Compat.GraphicalEffects
import KelvoStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The changelog of the offered version in the single-plug-in mode, with its download button.
FilterRectangle {
    id: root

    property string changeLog
    property string version

    objectName: "vireoChangelog"
    color: globalColors.MEDIUMLIGHTGREY
    visible: false

    Connections {
        target: productManager

        function onChangeLogForVireoPluginAvailable(appId, newChangeLog, availableVersion) {
            if (!kelvo.isVireo())
                return
            root.changeLog = newChangeLog
            root.version = availableVersion
            root.visible = true
        }
    }

    // Made when the changelog is first shown.
    LazyLoader {
        anchors.fill: parent
        wanted: root.visible
        sourceComponent: Item {
            // Beside the panel, not a layer of it: without effects only the shadow is missing.
            DropShadow {
                anchors.fill: panel
                source: panel
                verticalOffset: 5
                radius: 4
                samples: 9
                color: Qt.rgba(0, 0, 0, 0.3)
                transparentBorder: true
            }

            Rectangle {
                id: panel

                objectName: "changelogPanel"
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: margin.two
                width: sizes.eventGroupWidth + margin.six
                height: 7 * sizes.clickableSize + margin.four
                color: globalColors.STATUSBOX

                XLabel {
                    id: versionLabel

                    anchors.horizontalCenter: parent.horizontalCenter
                    width: panel.width - sizes.clickableSize
                    height: sizes.clickableSize
                    labelText: kelvo.getTranslation(KelvoStringKeys.TXT_AVAILABLE_VERSION).arg(root.version)
                    labelFontSize: fonts.seven_pt
                    labelColor: globalColors.BUTTON_TEXT_COLOR
                }

                ScrollView {
                    anchors.top: versionLabel.bottom
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: panel.width - 2 * margin.defaultPadding
                    height: 5 * sizes.clickableSize
                    background: Rectangle {
                        color: globalColors.TRANSPARENT
                        border.width: 1
                        border.color: globalColors.DARKGREY
                    }

                    TextArea {
                        text: root.changeLog
                        readOnly: true
                        wrapMode: TextEdit.Wrap
                        color: globalColors.TITLE_COLOR
                        background: null
                    }
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: sizes.clickableSize
                    radius: radii.ten
                    color: globalColors.PRIMARY

                    XImageButton {
                        anchors.right: parent.right
                        width: sizes.clickableSize
                        height: parent.height
                        imageSource: "qrc:/images/icons/button/download/white.png"
                        onButtonReleased: {
                            kelvo.downloadPlugin(0, true)
                            root.visible = false
                        }
                    }

                    CancelButton {
                        anchors.left: parent.left
                        width: sizes.clickableSize
                        height: parent.height
                        src: "qrc:/images/icons/button/cancel_white.png"
                        onButtonReleased: root.visible = false
                    }
                }
            }
        }
    }
}
