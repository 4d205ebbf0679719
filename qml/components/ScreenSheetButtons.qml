import QtQuick
import Pantrix

// The Cancel and Ok buttons along the bottom of a sheet or dialog box, with a
// third one between them where it is shown (`middleOpacity` 1).
Item {
    id: screenSheetButtons

    property alias cancelLabel: cancelButton.buttonLabel
    property alias okLabel: okButton.buttonLabel
    property alias cancelName: cancelButton.objectName
    property alias okName: okButton.objectName
    property alias okOpacity: okButton.opacity
    property alias middleLabel: middleButton.buttonLabel
    property alias middleOpacity: middleButton.opacity
    readonly property real buttonWidth: (middleButton.visible ? width / 3 : width / 2) - 1

    signal cancelClicked()
    signal okClicked()
    signal middleClicked()

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
        width: screenSheetButtons.buttonWidth
        height: parent.height
        buttonLeft: true
        buttonLabel: qsTr("Cancel")
        onButtonClicked: screenSheetButtons.cancelClicked()
    }

    ScreenButton {
        id: middleButton

        anchors.horizontalCenter: parent.horizontalCenter
        width: screenSheetButtons.buttonWidth
        height: parent.height
        opacity: 0
        onButtonClicked: screenSheetButtons.middleClicked()
    }

    ScreenButton {
        id: okButton

        anchors.right: parent.right
        width: screenSheetButtons.buttonWidth
        height: parent.height
        buttonRight: true
        buttonLabel: qsTr("Ok")
        onButtonClicked: screenSheetButtons.okClicked()
    }
}
