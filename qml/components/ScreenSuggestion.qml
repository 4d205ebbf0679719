import QtQuick
import Pantrix

// One of My Items offered for the name typed in the item dialog: its name,
// and its category and price beside it. A tap, Space or Return takes it.
ScreenPressable {
    id: screenSuggestion

    property alias name: nameText.text
    property alias detail: detailText.text

    height: Theme.suggestionHeight
    ringRadius: Theme.bandRadius
    Accessible.name: name + (detail === "" ? "" : ", " + detail)

    Rectangle {
        anchors.fill: parent
        radius: Theme.bandRadius
        color: mouseArea.pressed ? Theme.box : Theme.highlight
    }

    ScreenLabel {
        id: nameText

        anchors.left: parent.left
        anchors.leftMargin: Theme.margin
        width: parent.width / 2 - Theme.margin
        height: parent.height
        horizontalAlignment: Text.AlignLeft
        color: Theme.inputText
        font.pixelSize: Theme.fontLabel
    }

    ScreenLabel {
        id: detailText

        anchors.right: parent.right
        anchors.rightMargin: Theme.margin
        width: parent.width / 2 - Theme.margin
        height: parent.height
        horizontalAlignment: Text.AlignRight
        color: Theme.bar
        font.pixelSize: Theme.fontSmall
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: screenSuggestion.activated()
    }
}
