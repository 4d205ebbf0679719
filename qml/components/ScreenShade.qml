import QtQuick

// The dark shade over the whole screen behind a sheet; a tap on it is a tap
// outside the sheet.
Rectangle {
    id: screenShade

    signal clicked()

    anchors.fill: parent
    color: Theme.background
    opacity: Theme.shadeOpacity

    MouseArea {
        anchors.fill: parent
        onClicked: screenShade.clicked()
    }
}
