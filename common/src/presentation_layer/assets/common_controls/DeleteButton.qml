import QtQuick

// A delete button whose bin opens while the pointer is over it.
XImageButton {
    id: root

    property string closeImageSource: "qrc:/images/icons/button/delete/enabled.png"
    property string openImageSource: "qrc:/images/icons/button/delete/open.png"

    buttonHoverEnabled: true
    imageSource: buttonClick.containsMouse ? openImageSource : closeImageSource
}
