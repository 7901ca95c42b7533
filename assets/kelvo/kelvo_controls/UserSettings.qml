import QtQuick
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import Translator 1.0
import common.src.presentation_layer.assets.common_controls

// The user's own settings: tooltips, dark mode, what's new, and the language of the interface.
FilterRectangle {
    id: root

    property bool useMobileLayout: false
    property int selectedLanguage: translator.currentLanguage
    property real contentPadding: margin.defaultPadding
    property var header

    signal changedLanguage

    function openWhatsNew() {
        const name = translator.currentLanguage === Translator.GERMAN ? "ChangesWindow.qml"
                                                                       : "ChangesWindowEng.qml"
        const component = Qt.createComponent("qrc:/assets/kelvo/" + name)
        if (component.status !== Component.Ready) {
            console.warn("UiElement not ready", component.errorString())
            return
        }
        const window = component.createObject(root, {
                                                  "transientParent": root.Window.window
                                              })
        window.show()
    }

    // Slides the drawer in; it is created at its first showing.
    function show() {
        content.wanted = true
        anchors.topMargin = 0
    }

    objectName: "userSettings"
    onFilterClicked: {
        hide()
        if (header && header.userSettingsIsPressed)
            header.userSettingsIsPressed = false
    }

    Connections {
        target: translator

        function onCurrentLanguageChanged() {
            root.selectedLanguage = translator.currentLanguage
        }
    }

    LazyLoader {
        id: content

        anchors.fill: parent
        sourceComponent: Item {
            id: drawerContent

            function chooseLanguage(button) {
                for (let index = 0; index < languageButtons.count; ++index) {
                    const other = languageButtons.itemAt(index)
                    if (other.language !== button.language)
                        other.deselect()
                }
                translator.setCurrentLanguage(button.language)
                root.changedLanguage()
            }

            Connections {
                target: root

                function onSelectedLanguageChanged() {
                    for (let index = 0; index < languageButtons.count; ++index) {
                        const button = languageButtons.itemAt(index)
                        button.isSelected = button.language === root.selectedLanguage
                    }
                }
            }

            DrawerWindow {
                id: drawer

                objectName: "userSettingRec"
                anchors.right: parent.right
                anchors.rightMargin: margin.five * 2
                width: root.useMobileLayout ? parent.width - margin.five * 2 : sizes.eventGroupPopUpWidth
                height: generalPanel.height + languagePanel.height + margin.four
                color: globalColors.TRANSPARENT

                Rectangle {
                    id: generalPanel

                    width: parent.width
                    height: generalHeader.height + tooltipsToggle.height + darkModeToggle.height
                            + whatsNewButton.height + margin.six
                    radius: radii.ten
                    color: globalColors.CONTENT_BACKGROUND_COLOR
                    border.color: globalColors.LIGHTGREY

                    Column {
                        anchors.fill: parent
                        anchors.margins: root.contentPadding

                        SimpleHeader {
                            id: generalHeader

                            width: parent.width
                            contentPadding: root.contentPadding
                            imageSource: "qrc:/images/icons/foldingbox/configuration/blue.png"
                            text: kelvo.getTranslation(KelvoStringKeys.TXT_GENERAL_SETTINGS)
                            lineColor: globalColors.SECONDARY
                        }
                        XToggleButton {
                            id: tooltipsToggle

                            objectName: "tooltipsToggle"
                            width: parent.width
                            toggleButtonName: kelvo.getTranslation(KelvoStringKeys.TXT_SHOW_TOOLTIPS)
                            firstOptionName: kelvo.getCommonTranslation(CommonStringKeys.TXT_YES)
                            secondOptionName: kelvo.getCommonTranslation(CommonStringKeys.TXT_NO)
                            toggleActivated: kelvo.getShowTooltips()
                            onValueChanged: value => kelvo.setShowTooltips(value)
                        }
                        XToggleButton {
                            id: darkModeToggle

                            objectName: "darkModeToggle"
                            width: parent.width
                            toggleButtonName: kelvo.getTranslation(KelvoStringKeys.TXT_DARKMODE)
                            toolTipText: kelvo.getTranslation(KelvoStringKeys.TOOLTIP_DARKMODE)
                            firstOptionName: kelvo.getCommonTranslation(CommonStringKeys.TXT_YES)
                            secondOptionName: kelvo.getCommonTranslation(CommonStringKeys.TXT_NO)
                            toggleActivated: kelvo.getDarkMode()
                            onValueChanged: value => kelvo.setDarkMode(value)
                        }
                        XLabelButton {
                            id: whatsNewButton

                            objectName: "showWhatsNew"
                            width: parent.width
                            height: sizes.clickableSize
                            buttonText: kelvo.getTranslation(KelvoStringKeys.BTN_SHOW_WHATS_NEW)
                            onButtonReleased: root.openWhatsNew()
                        }
                    }
                }

                Rectangle {
                    id: languagePanel

                    anchors.top: generalPanel.bottom
                    anchors.topMargin: margin.four
                    width: parent.width
                    height: languageGrid.height + languageHeader.height + sizes.clickableSize
                    radius: radii.ten
                    color: globalColors.CONTENT_BACKGROUND_COLOR
                    border.color: globalColors.LIGHTGREY

                    Behavior on anchors.topMargin {
                        NumberAnimation {
                            duration: animDuration.full
                            easing.type: Easing.InOutQuad
                        }
                    }

                    SimpleHeader {
                        id: languageHeader

                        x: root.contentPadding
                        y: root.contentPadding
                        width: parent.width - 2 * root.contentPadding
                        contentPadding: root.contentPadding
                        imageSource: "qrc:/images/icons/foldingbox/language.png"
                        text: kelvo.getTranslation(KelvoStringKeys.TXT_LANGUAGE_SELECTION)
                        lineColor: globalColors.SECONDARY
                    }

                    Grid {
                        id: languageGrid

                        objectName: "languageGrid"
                        anchors.top: languageHeader.bottom
                        anchors.topMargin: margin.six
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: sizes.clickableSize * 3.9
                        columns: 3

                        Repeater {
                            id: languageButtons

                            // Read once: every read builds a new list from the files on disk.
                            model: kelvo.languageListModel

                            XImageButton {
                                required property string object_name
                                required property string image_source
                                required property int language

                                objectName: object_name
                                width: sizes.clickableSize * 1.3
                                height: width
                                radius: 50
                                isSelectable: true
                                isIcon: false
                                buttonPadding: margin.one
                                imageSource: image_source
                                isSelected: root.selectedLanguage === language
                                onButtonReleased: drawerContent.chooseLanguage(this)
                            }
                        }
                    }
                }
            }
        }
    }
}
