import QtQuick

// One row of a chooser's list: highlighted while it is the current row; a tap
// makes it current.
Rectangle {
    id: screenChooserRow

    required property int index
    property alias text: label.text
    property alias label: label

    width: ListView.view.width
    height: Theme.buttonBarHeight
    color: ListView.isCurrentItem ? Theme.highlight : Theme.none
    border.width: 1
    border.color: Theme.bar
    Accessible.role: Accessible.ListItem
    Accessible.name: text
    Accessible.onPressAction: ListView.view.currentIndex = index

    ScreenLabel {
        id: label

        anchors.fill: parent
        color: screenChooserRow.ListView.isCurrentItem ? Theme.inputText : Theme.text
        font.pixelSize: Theme.fontLabel
        font.bold: true
    }

    MouseArea {
        anchors.fill: parent
        onClicked: screenChooserRow.ListView.view.currentIndex = screenChooserRow.index
    }
}
