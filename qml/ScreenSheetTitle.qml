import QtQuick

// The title bar of a sheet or dialog box: only its top corners are rounded.
Item {
    id: screenSheetTitle

    property alias title: titleText.text

    anchors.top: parent.top
    width: parent.width
    height: 40
    clip: true

    Rectangle {
        width: parent.width
        height: parent.height + 40
        radius: 20
        color: "#445579"
    }

    Text {
        id: titleText

        anchors.centerIn: parent
        color: "#FFFFFF"
        font.pixelSize: 18
        font.bold: true
    }
}
