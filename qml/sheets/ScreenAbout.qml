import QtQuick
import Pantrix

// The about window. A tap anywhere, Return or Escape closes it.
ScreenPopup {
    id: screenAbout

    signal areaClicked()

    boxName: "aboutWindow"
    boxColor: Theme.bar
    boxTakesTaps: false
    onCancelClicked: areaClicked()
    onOkClicked: areaClicked()

    ScreenLabel {
        anchors.top: parent.top
        anchors.topMargin: Theme.popupTextTop
        width: parent.width
        wrapMode: Text.Wrap
        font.pixelSize: Theme.fontAbout
        font.bold: true
        textFormat: Text.RichText
        text: qsTr("Pantrix v1.1.1<br>Shopping lists<br>for touch screens")
    }

    ScreenLabel {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.radius
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 2 * Theme.radius
        wrapMode: Text.Wrap
        font.pixelSize: Theme.fontText
        textFormat: Text.RichText
        text: qsTr("Copyright 2026 Orvelle<br>Tap anywhere to close")
    }
}
