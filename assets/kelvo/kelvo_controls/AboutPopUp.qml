import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import Translator 1.0
import common.src.presentation_layer.assets.common_controls

// Name, version and maker of the shell and of the open plug-in, with the licence texts and the
// terms of use a button row away.
Popup {
    id: root

    readonly property real closedHeight: 320
    property string termsOfUse: termsFor(translator.currentLanguage)
    property alias licenseText: licenseArea.text
    // Between the injection of a plug-in's view and leaving it; the company header keeps track,
    // since the pop-up is made only when it is first opened.
    property bool pluginOpen: false

    signal showLicenseText(var license)

    function termsFor(language) {
        return language === Translator.GERMAN ? "TermsOfUse_de.txt" : "TermsOfUse_en.txt"
    }

    objectName: "aboutPopUp"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    height: closedHeight
    padding: 10
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
    onClosed: {
        height = closedHeight
        licenseText = ""
    }

    Behavior on height {
        NumberAnimation {
            duration: animDuration.half
            easing.type: Easing.InOutQuad
        }
    }

    background: Rectangle {
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.color: globalColors.DARKGREY
        radius: radii.ten
    }

    Connections {
        target: translator

        function onCurrentLanguageChanged() {
            root.termsOfUse = root.termsFor(translator.currentLanguage)
        }
    }

    Image {
        id: logo

        anchors.top: parent.top
        anchors.topMargin: margin.five
        anchors.horizontalCenter: parent.horizontalCenter
        width: 200
        height: sourceSize.height * width / Math.max(1, sourceSize.width)
        source: "qrc:/images/logo.png"
        fillMode: Image.PreserveAspectFit
        mipmap: true
    }

    Column {
        id: details

        anchors.top: logo.bottom
        anchors.topMargin: margin.two
        width: parent.width

        AboutLine {
            property bool extended: false

            objectName: "aboutVersion"
            text: extended ? appName + " " + versionnumber + "." + buildnumber + " - " + builddate
                           : appName + " " + versionnumber
            onClicked: extended = true
        }
        AboutLine {
            property bool extended: false
            readonly property bool shown: root.pluginOpen && plugin !== null
                                          && typeof plugin.getPluginName === "function"

            objectName: "aboutPlugin"
            visible: shown
            enabled: shown
            text: !shown ? "" : plugin.getPluginName(false) + " " + plugin.getVersion()
                                + (extended ? "." + plugin.getBuildNumber() + " - "
                                              + plugin.getBuildDate() : "")
            onClicked: extended = true
            onShownChanged: extended = false
        }
        AboutLine {
            objectName: "aboutCompany"
            text: companyfullname
        }
    }

    Rectangle {
        anchors.top: details.bottom
        anchors.topMargin: margin.two
        anchors.bottom: buttonRow.top
        anchors.bottomMargin: margin.two
        width: parent.width
        color: globalColors.CONTENT_BACKGROUND_COLOR
        border.width: 1
        border.color: globalColors.DARKGREY

        ScrollView {
            anchors.fill: parent
            anchors.margins: 1
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

            TextArea {
                id: licenseArea

                objectName: "licenseText"
                readOnly: true
                wrapMode: TextEdit.Wrap
                color: globalColors.TITLE_COLOR
                font.family: fonts.family
                font.pointSize: fonts.seven_pt
                background: null

                Behavior on text {
                    SequentialAnimation {
                        NumberAnimation {
                            target: licenseArea
                            property: "opacity"
                            to: 0
                            duration: animDuration.half / 2
                            easing.type: Easing.InOutQuad
                        }
                        PropertyAction {}
                        NumberAnimation {
                            target: licenseArea
                            property: "opacity"
                            to: 1
                            duration: animDuration.half / 2
                            easing.type: Easing.InOutQuad
                        }
                    }
                }
            }
        }
    }

    Row {
        id: buttonRow

        anchors.bottom: parent.bottom
        width: parent.width
        height: sizes.clickableSize
        spacing: margin.three

        Repeater {
            model: ["LICENSE.txt", "LICENSE_FDL.txt", "LICENSE_PYTHON.txt",
                "ThirdPartySoftware_Listing.txt", root.termsOfUse]

            LicenseButton {
                required property string modelData

                objectName: "license_" + modelData
                width: (buttonRow.width - 4 * buttonRow.spacing) / 5
                height: buttonRow.height
                text: modelData
                onClicked: root.showLicenseText(modelData)
            }
        }
    }

    component AboutLine: Text {
        signal clicked

        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.seven_pt

        MouseArea {
            anchors.fill: parent
            enabled: parent.enabled
            onClicked: parent.clicked()
        }
    }

    // File names are long words: they wrap anywhere and shrink to fit the narrow button.
    component LicenseButton: Rectangle {
        property alias text: caption.text

        signal clicked

        radius: radii.ten
        color: area.pressed ? globalColors.MEDIUMLIGHTGREY : globalColors.BUTTON_COLOR

        Text {
            id: caption

            anchors.fill: parent
            anchors.margins: margin.one
            color: globalColors.BUTTON_TEXT_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            minimumPointSize: 4
            fontSizeMode: Text.Fit
            wrapMode: Text.WrapAnywhere
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        MouseArea {
            id: area

            anchors.fill: parent
            onClicked: parent.clicked()
        }
    }
}
