import QtQuick

// A sheet with a list to choose one row from (currency, language, category,
// unit), between its title bar and its Cancel and Ok. The list has the keys
// while the chooser is open.
ScreenSheet {
    id: screenChooser

    property alias model: list.model
    property alias delegate: list.delegate
    property alias currentIndex: list.currentIndex
    property alias listName: list.objectName
    property alias rowText: list.rowText
    readonly property alias list: list

    function takeKeys() {
        list.forceActiveFocus();
    }

    ScreenChooserList {
        id: list

        anchors.top: screenChooser.titleBar.bottom
        anchors.topMargin: 5
        anchors.bottom: screenChooser.buttonBar.top
        anchors.bottomMargin: 5
        width: parent.width
    }
}
