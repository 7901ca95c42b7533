import QtQuick
import common.src.presentation_layer.assets.common_controls 1.0

// The pop-ups, shown in place instead of centred over the window, and opened again whenever
// one of their buttons closes them.
Item {
    id: page

    signal report(string text)

    readonly property string sampleMessage: "The device answered with a configuration that "
                                            + "differs from the one on screen. Do you want to "
                                            + "load it?"

    component Slot: Specimen {
        default property alias popUp: place.data

        Item {
            id: place

            width: 8 * sizes.clickableSize
            height: 6 * sizes.clickableSize
        }
    }

    component MessageSample: MessagePopUp {
        modal: false
        visible: true
        message: page.sampleMessage
        infoText: "Information"
        hintText: "Hint"
        warningText: "Warning"
        errorText: "Error"
        okButtonText: "OK"
        cancelButtonText: "Cancel"
        onOkReleased: page.report("MessagePopUp.okReleased()")
        onCancelReleased: page.report("MessagePopUp.cancelReleased()")
        onClosed: open()
    }

    Grid {
        x: margin.five
        y: margin.five
        columns: 4
        columnSpacing: margin.six
        rowSpacing: margin.four

        Slot {
            title: "MessagePopUp (info)"

            MessageSample {
                anchors.centerIn: parent
                popUpState: 2
            }
        }
        Slot {
            title: "MessagePopUp (hint)"

            MessageSample {
                anchors.centerIn: parent
                popUpState: 3
            }
        }
        Slot {
            title: "MessagePopUp (warning)"

            MessageSample {
                anchors.centerIn: parent
                popUpState: 4
            }
        }
        Slot {
            title: "MessagePopUp (error)"

            MessageSample {
                anchors.centerIn: parent
                popUpState: 5
            }
        }
        Slot {
            title: "PopUpOk"

            PopUpOk {
                anchors.centerIn: parent
                modal: false
                visible: true
                message: "The report was saved."
                okText: "OK"
                onClosed: open()
            }
        }
        Slot {
            title: "PopUpOkAndCancel"

            PopUpOkAndCancel {
                anchors.centerIn: parent
                modal: false
                visible: true
                message: "Delete the plug-in from this computer?"
                okButtonText: "Delete"
                cancelButtonText: "Cancel"
                onOkReleased: page.report("PopUpOkAndCancel.okReleased()")
                onCancelReleased: page.report("PopUpOkAndCancel.cancelReleased()")
            }
        }
        Slot {
            title: "SaveDialog"

            SaveDialog {
                anchors.centerIn: parent
                modal: false
                visible: true
                headerText: "Warning"
                message: "There are unsaved changes. Save them before leaving?"
                yesButtonText: "Yes"
                noButtonText: "No"
                cancelButtonText: "Cancel"
                onYesReleased: page.report("SaveDialog.yesReleased()")
                onNoReleased: page.report("SaveDialog.noReleased()")
                onCancelReleased: page.report("SaveDialog.cancelReleased()")
            }
        }
    }
}
