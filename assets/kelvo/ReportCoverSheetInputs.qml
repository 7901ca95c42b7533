import QtQuick
import QtQuick.Controls.Basic
import KelvoStringKeys 1.0
import CommonStringKeys 1.0
import common.src.presentation_layer.assets.common_controls

// The cover sheet of a plug-in's PDF report: project, customer, constructor, service and object
// data that the plug-in keeps as report metadata, and the button that creates the report. It
// slides down below the top bar when the control panel opens it.
Rectangle {
    id: root

    property var saveDialog
    readonly property bool pluginKeepsMetaData: plugin !== null
                                                 && typeof plugin.getMetaData === "function"
                                                 && typeof plugin.setMetaData === "function"
    readonly property real fieldWidth: sizes.eventGroupWidth - margin.five
    // Tall enough for the form and the notice below it without scrolling.
    readonly property real fullHeight: sizes.reportCoverSheetHeight + notice.height
                                       + 3 * margin.two + margin.two

    function park() {
        Qt.inputMethod.hide()
        anchors.topMargin = -2 * height
    }

    function metaData(name) {
        return pluginKeepsMetaData ? plugin.getMetaData(name) : ""
    }

    function storeMetaData(name, text) {
        if (pluginKeepsMetaData)
            plugin.setMetaData(name, text)
    }

    function folderUrl(path) {
        const slashed = path.replace(/\\/g, "/")
        return slashed.startsWith("/") ? "file://" + slashed : "file:///" + slashed
    }

    function createReport() {
        Qt.inputMethod.hide()
        if (kelvo.getIsMobile()) {
            plugin.createPdfReport("", versionnumber)
            return
        }
        saveDialog.currentFolder = folderUrl(kelvo.getLastFilePath())
        saveDialog.isSavingFile = true
        saveDialog.nameFilters = ["PDF (*.pdf)"]
        saveDialog.isPDF = true
        saveDialog.open()
    }

    objectName: "coverSheetInputs"
    anchors.top: parent ? parent.top : undefined
    anchors.topMargin: -2 * height
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    z: 30
    color: globalColors.CONTENT_BACKGROUND_COLOR
    border.color: globalColors.DARKGREY
    radius: radii.ten
    state: width >= sizes.reportCoverSheetWidth ? "normal" : "mobile"
    // "normal": two columns; "mobile" (narrower than the sheet's own width): one column.
    states: [
        State {
            name: "normal"
        },
        State {
            name: "mobile"
        }
    ]

    Behavior on anchors.topMargin {
        NumberAnimation {
            duration: animDuration.full
            easing.type: Easing.InOutQuad
        }
    }

    // Clicks on the sheet must not reach the plug-in's view below it.
    MouseArea {
        anchors.fill: parent
    }

    Flickable {
        id: flickable

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: notice.top
        anchors.margins: margin.two
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: content.width
        contentHeight: content.height
        interactive: contentHeight > height || contentWidth > width
        onMovementStarted: Qt.inputMethod.hide()
        ScrollIndicator.vertical: ScrollIndicator {}

        Rectangle {
            id: content

            readonly property bool mobile: root.state === "mobile"

            width: mobile ? root.width : sizes.reportCoverSheetWidth
            height: mobile ? 2 * sizes.reportCoverSheetHeight : sizes.reportCoverSheetHeight
            color: globalColors.LIGHTGREY

            Column {
                id: leftColumn

                anchors.top: parent.top
                anchors.left: parent.left
                anchors.leftMargin: margin.two

                CoverSheetField {
                    id: projectName

                    objectName: "projectName"
                    labelText: kelvo.getTranslation(KelvoStringKeys.TXT_PROJECT_NAME) + " ("
                               + kelvo.getTranslation(KelvoStringKeys.TXT_MANDATORY) + ")"
                }
                CoverSheetArea {
                    objectName: "customerData"
                    labelText: kelvo.getTranslation(KelvoStringKeys.TXT_CUSTOMER_DATA)
                }
                CoverSheetArea {
                    objectName: "constructorData"
                    labelText: kelvo.getTranslation(KelvoStringKeys.TXT_CONSTRUCTOR_DATA)
                }
                CoverSheetField {
                    objectName: "serviceDate"
                    labelText: kelvo.getCommonTranslation(CommonStringKeys.TXT_SERVICE_DATE)
                }
            }

            Column {
                id: rightColumn

                x: content.mobile ? margin.two : leftColumn.x + leftColumn.width + margin.four
                y: content.mobile ? leftColumn.height : 0

                CoverSheetField {
                    objectName: "serviceRepresentative"
                    labelText: kelvo.getCommonTranslation(CommonStringKeys.TXT_SERVICE_REPRESENTATIVE)
                }
                CoverSheetArea {
                    objectName: "objectData"
                    labelText: kelvo.getTranslation(KelvoStringKeys.TXT_OBJECT_DATA)
                }
                CoverSheetArea {
                    objectName: "freeText"
                    labelText: kelvo.getCommonTranslation(CommonStringKeys.TXT_DESCRIPTION)
                }
                Item {
                    width: root.fieldWidth
                    height: margin.five + sizes.clickableSize

                    XImageButton {
                        objectName: "createReportButtonButton"
                        anchors.bottom: parent.bottom
                        anchors.right: cancelButton.left
                        anchors.rightMargin: margin.two
                        visible: projectName.text !== ""
                        imageSource: "qrc:/images/icons/file/PDF/blue.png"
                        onButtonReleased: root.createReport()
                    }
                    CancelButton {
                        id: cancelButton

                        objectName: "coverSheetCancelButton"
                        anchors.bottom: parent.bottom
                        anchors.right: parent.right
                        onButtonReleased: root.park()
                    }
                }
            }
        }
    }

    Text {
        id: notice

        anchors.bottom: parent.bottom
        anchors.bottomMargin: margin.two
        anchors.left: parent.left
        anchors.leftMargin: margin.defaultPadding
        width: Math.min(sizes.reportCoverSheetWidth, root.width - 2 * margin.defaultPadding)
        height: sizes.clickableSize
        text: kelvo.getTranslation(KelvoStringKeys.WRN_MSG_REPORT)
        color: globalColors.TITLE_COLOR
        font.bold: true
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPointSize: 4
        verticalAlignment: Text.AlignVCenter
    }

    component FieldLabel: Text {
        width: parent.width
        height: sizes.rangeMonthButtonHeight
        color: globalColors.TITLE_COLOR
        font.family: fonts.family
        font.pointSize: fonts.five_pt
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    // A label above a one-line field; its text is the plug-in's metadata of the object name.
    component CoverSheetField: Item {
        id: field

        property string labelText
        property alias text: input.text

        width: root.fieldWidth
        height: sizes.clickableSize * 1.5
        Component.onCompleted: {
            input.text = root.metaData(field.objectName)
            input.textChanged.connect(() => root.storeMetaData(field.objectName, input.text))
        }

        FieldLabel {
            id: label

            text: field.labelText
        }
        TextField {
            id: input

            objectName: "input"
            anchors.top: label.bottom
            width: parent.width
            height: sizes.rangeMonthButtonHeight
            leftPadding: margin.two
            rightPadding: margin.two
            topPadding: 0
            bottomPadding: 0
            selectByMouse: true
            color: globalColors.TITLE_COLOR
            selectionColor: globalColors.SECONDARY
            selectedTextColor: globalColors.TITLE_COLOR
            font.family: fonts.family
            font.pointSize: fonts.five_pt
            verticalAlignment: TextInput.AlignVCenter
            background: Rectangle {
                color: globalColors.CONTENT_BACKGROUND_COLOR
                border.color: input.activeFocus ? globalColors.PRIMARY : globalColors.DARKGREY
            }
        }
    }

    // A label above a scrolling, wrapping text box.
    component CoverSheetArea: Item {
        id: area

        property string labelText

        width: root.fieldWidth
        height: sizes.clickableSize + sizes.tripleClickableSize
        Component.onCompleted: {
            input.text = root.metaData(area.objectName)
            input.textChanged.connect(() => root.storeMetaData(area.objectName, input.text))
        }

        FieldLabel {
            id: label

            text: area.labelText
        }
        Rectangle {
            anchors.top: label.bottom
            anchors.bottom: parent.bottom
            anchors.bottomMargin: margin.two
            width: parent.width
            color: globalColors.CONTENT_BACKGROUND_COLOR
            border.color: input.activeFocus ? globalColors.PRIMARY : globalColors.DARKGREY

            ScrollView {
                anchors.fill: parent
                anchors.margins: 1
                ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

                TextArea {
                    id: input

                    objectName: "input"
                    wrapMode: TextEdit.Wrap
                    selectByMouse: true
                    color: globalColors.TITLE_COLOR
                    selectionColor: globalColors.SECONDARY
                    selectedTextColor: globalColors.TITLE_COLOR
                    font.family: fonts.family
                    font.pointSize: fonts.five_pt
                    background: null
                }
            }
        }
    }
}
