import QtQuick
import qml

// The Cancel and Ok buttons along the bottom of a sheet or dialog box.
Item {
    id: screenSheetButtons

    property alias cancelLabel: cancelButton.buttonLabel
    property alias okLabel: okButton.buttonLabel
    property alias cancelName: cancelButton.objectName
    property alias okName: okButton.objectName
    property alias okOpacity: okButton.opacity

    signal cancelClicked()
    signal okClicked()

    // What Escape and Return do: the buttons' own taps.
    function pressCancel() {
        cancelButton.press();
    }

    function pressOk() {
        okButton.press();
    }

    anchors.horizontalCenter: parent.horizontalCenter
    anchors.bottom: parent.bottom
    anchors.bottomMargin: 2
    width: parent.width - 4
    height: Theme.buttonBarHeight

    ScreenButton {
        id: cancelButton

        anchors.left: parent.left
        width: parent.width / 2 - 1
        height: parent.height
        buttonLeft: true
        buttonLabel: qsTr("Cancel") + ApplicationManager.nullString
        onButtonClicked: screenSheetButtons.cancelClicked()
    }

    ScreenButton {
        id: okButton

        anchors.right: parent.right
        width: parent.width / 2 - 1
        height: parent.height
        buttonRight: true
        buttonLabel: qsTr("Ok") + ApplicationManager.nullString
        onButtonClicked: screenSheetButtons.okClicked()
    }
}
