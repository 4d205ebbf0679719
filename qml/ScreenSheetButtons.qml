import QtQuick

// The Cancel and Ok buttons along the bottom of a sheet.
Item {
    id: screenSheetButtons

    property alias cancelLabel: cancelButton.buttonLabel
    property alias okLabel: okButton.buttonLabel

    signal cancelClicked()
    signal okClicked()

    anchors.horizontalCenter: parent.horizontalCenter
    anchors.bottom: parent.bottom
    anchors.bottomMargin: 2
    width: parent.width - 4
    height: 65

    ScreenButton {
        id: cancelButton

        anchors.left: parent.left
        width: parent.width / 2 - 1
        height: parent.height
        buttonLeft: true
        onButtonClicked: screenSheetButtons.cancelClicked()
    }

    ScreenButton {
        id: okButton

        anchors.right: parent.right
        width: parent.width / 2 - 1
        height: parent.height
        buttonRight: true
        onButtonClicked: screenSheetButtons.okClicked()
    }
}
