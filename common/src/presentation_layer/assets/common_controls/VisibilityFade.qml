import QtQuick

// Turns a change of `visible` into a fade of `fadeTarget`: an item being hidden fades out and
// then disappears; an item being shown appears transparent and then fades in.
Behavior {
    id: fade

    property Item fadeTarget
    property int duration: animDuration.full

    SequentialAnimation {
        NumberAnimation {
            target: fade.fadeTarget
            property: "opacity"
            to: 0
            duration: fade.targetValue ? 0 : fade.duration
        }
        PropertyAction {}
        NumberAnimation {
            target: fade.fadeTarget
            property: "opacity"
            to: 1
            duration: fade.targetValue ? fade.duration : 0
        }
    }
}
