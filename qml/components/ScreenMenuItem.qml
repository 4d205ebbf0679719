import QtQuick

// One entry of a drop-down menu, as wide as the menu.
Rectangle {
    id: screenMenuItem

    property alias label: labelText.text

    signal itemClicked()

    width: parent.width
    height: 60
    color: mouseArea.pressed ? Theme.barLight : Theme.bar
    Accessible.role: Accessible.MenuItem
    Accessible.name: label
    Accessible.onPressAction: itemClicked()

    ScreenLabel {
        id: labelText

        anchors.centerIn: parent
        width: parent.width - 2 * Theme.gap
        height: parent.height
        wrapMode: Text.WordWrap
        font.pixelSize: Theme.fontLabel
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: screenMenuItem.itemClicked()
    }
}
