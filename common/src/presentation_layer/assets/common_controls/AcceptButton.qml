import QtQuick

// The round OK button.
XImageButton {
    radius: 50
    imageSource: "qrc:/images/icons/button/ok/circular.png"
}
