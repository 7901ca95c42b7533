import QtQuick

// The round cancel button; `src` swaps the image (for example the white one on dark panels).
XImageButton {
    property string src: "qrc:/images/icons/button/cancel.png"

    radius: 50
    imageSource: src
}
