import QtQuick

// One entry of a drop-down menu, as wide as the menu.
ScreenPressable {
    id: screenMenuItem

    property alias label: labelText.text

    signal itemClicked()

    width: parent.width
    height: Theme.menuEntryHeight
    Accessible.role: Accessible.MenuItem
    Accessible.name: label
    onActivated: itemClicked()

    Rectangle {
        anchors.fill: parent
        color: mouseArea.pressed ? Theme.barLight : Theme.bar
    }

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
