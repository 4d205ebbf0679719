import QtQuick
import qml

// The about window. A tap anywhere, Return or Escape closes it.
ScreenPopup {
    id: screenAbout

    signal areaClicked()

    boxName: "aboutWindow"
    boxColor: Theme.bar
    boxTakesTaps: false
    onCancelClicked: areaClicked()
    onOkClicked: areaClicked()

    Text {
        anchors.top: parent.top
        anchors.topMargin: 70
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: Theme.text
        font.pixelSize: Theme.fontAbout
        font.bold: true
        textFormat: Text.RichText
        text: qsTr("Pantrix v1.1.1<br>Shopping lists<br>for touch screens")
              + ApplicationManager.nullString
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: Theme.text
        font.pixelSize: Theme.fontText
        textFormat: Text.RichText
        text: qsTr("Copyright 2026 Orvelle<br>Tap anywhere to close")
              + ApplicationManager.nullString
    }
}
