import QtQuick

// The title bar of a sheet or dialog box: only its top corners are rounded.
Item {
    id: screenSheetTitle

    property alias title: titleText.text

    anchors.top: parent.top
    width: parent.width
    height: Theme.titleHeight
    clip: true

    Rectangle {
        width: parent.width
        height: parent.height + Theme.hiddenCorners
        radius: Theme.radius
        color: Theme.bar
    }

    Text {
        id: titleText

        anchors.centerIn: parent
        color: Theme.text
        font.pixelSize: Theme.fontLabel
        font.bold: true
    }
}
