import QtQuick
import common.src.presentation_layer.assets.common_controls 1.0

// The pop-ups, shown in place instead of centred over the window, and opened again whenever
// one of their buttons closes them. Pop-ups float above the page, so in a short window a pop-up
// shows only while its place is scrolled fully into view.
Flickable {
    id: page

    signal report(string text)

    readonly property string sampleMessage: "The device answered with a configuration that "
                                            + "differs from the one on screen. Do you want to "
                                            + "load it?"

    contentHeight: flow.height + 2 * margin.five
    clip: true

    component Slot: Showcase {
        default property alias popUp: place.data
        readonly property bool inView: flow.y + y >= page.contentY
                                       && flow.y + y + height <= page.contentY + page.height

        onInViewChanged: {
            for (let index = 0; index < place.data.length; ++index) {
                const popUp = place.data[index]
                inView ? popUp.open() : popUp.close()
            }
        }

        Item {
            id: place

            width: 8 * sizes.clickableSize
            height: 6 * sizes.clickableSize
        }
    }

    component MessageSample: MessagePopUp {
        property bool shown: true

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
        // Checked once the scrolling that closed it has settled `shown`.
        onClosed: Qt.callLater(() => {
                                   if (shown)
                                       open()
                               })
    }

    // Wraps in a narrow window like the other pages.
    Flow {
        id: flow

        x: margin.five
        y: margin.five
        width: page.width - 2 * margin.five
        spacing: margin.six

        Slot {
            id: infoSlot

            title: "MessagePopUp (info)"

            MessageSample {
                anchors.centerIn: parent
                shown: infoSlot.inView
                popUpState: 2
            }
        }
        Slot {
            id: hintSlot

            title: "MessagePopUp (hint)"

            MessageSample {
                anchors.centerIn: parent
                shown: hintSlot.inView
                popUpState: 3
            }
        }
        Slot {
            id: warningSlot

            title: "MessagePopUp (warning)"

            MessageSample {
                anchors.centerIn: parent
                shown: warningSlot.inView
                popUpState: 4
            }
        }
        Slot {
            id: errorSlot

            title: "MessagePopUp (error)"

            MessageSample {
                anchors.centerIn: parent
                shown: errorSlot.inView
                popUpState: 5
            }
        }
        Slot {
            id: okSlot

            title: "PopUpOk"

            PopUpOk {
                anchors.centerIn: parent
                modal: false
                visible: true
                message: "The report was saved."
                okText: "OK"
                onClosed: Qt.callLater(() => {
                                           if (okSlot.inView)
                                               open()
                                       })
            }
        }
        Slot {
            id: okAndCancelSlot

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
            id: saveSlot

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
