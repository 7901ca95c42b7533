import QtQuick

// Content that is hidden at start: created the first time `wanted` turns true and kept from
// then on, so that it costs nothing before it is first shown and opens at once afterwards.
Loader {
    property bool wanted: false

    active: false
    onWantedChanged: {
        if (wanted)
            active = true
    }
    Component.onCompleted: {
        if (wanted)
            active = true
    }
}
