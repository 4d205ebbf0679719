import QtQuick

// The about window. A tap anywhere closes it.
Item {
    id: screenAbout

    property alias winScale: aboutWindow.scale

    signal areaClicked()

    width: 360
    height: 640
    // Return or Escape close it too.
    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    Keys.onReturnPressed: areaClicked()
    Keys.onEnterPressed: areaClicked()
    Keys.onEscapePressed: areaClicked()

    Rectangle {
        id: aboutWindow

        objectName: "aboutWindow"
        anchors.centerIn: parent
        width: 400
        height: 300
        radius: 20
        smooth: true
        color: "#445579"
        scale: 0.001

        Text {
            anchors.top: parent.top
            anchors.topMargin: 70
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            color: "#FFFFFF"
            font.pixelSize: 25
            font.bold: true
            textFormat: Text.RichText
            text: qsTr("Pantrix v1.1.1<br>Shopping lists<br>for touch screens")
                  + applicationManager.nullString
        }

        Text {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            color: "#FFFFFF"
            font.pixelSize: 20
            textFormat: Text.RichText
            text: qsTr("Copyright 2026 Orvelle<br>Tap anywhere to close")
                  + applicationManager.nullString
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: screenAbout.areaClicked()
    }
}
