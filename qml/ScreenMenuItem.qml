import QtQuick

// One entry of a drop-down menu.
Rectangle {
    id: screenMenuItem

    property alias label: labelText.text

    signal itemClicked()

    width: 300
    height: 60
    color: mouseArea.pressed ? "#A4B5D9" : "#445579"

    Text {
        id: labelText

        anchors.centerIn: parent
        width: parent.width - 10
        height: parent.height
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        color: "#FFFFFF"
        font.pixelSize: 18
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: screenMenuItem.itemClicked()
    }
}
