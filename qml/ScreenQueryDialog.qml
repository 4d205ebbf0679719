import QtQuick

// A modal question in a box that grows out of its centre. A tap outside the
// box counts as Cancel.
Item {
    id: screenQueryDialog

    property alias winScale: box.scale
    property int queryType: 0
    property int queryIndex: 0
    property string queryString: ""
    property alias buttonNoOpacity: buttonNo.opacity

    signal cancelClicked()
    signal okClicked()
    signal noClicked()

    width: 360
    height: 640
    // The question shown takes the keys: Return is Yes, Escape is Cancel.
    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    Keys.onReturnPressed: okClicked()
    Keys.onEnterPressed: okClicked()
    Keys.onEscapePressed: cancelClicked()

    MouseArea {
        anchors.fill: parent
        onClicked: screenQueryDialog.cancelClicked()
    }

    Rectangle {
        id: box

        objectName: "queryBox"
        anchors.centerIn: parent
        width: 400
        height: 250
        radius: 20
        smooth: true
        color: "#8495B9"

        // Taps on the box itself are not taps outside it.
        MouseArea {
            anchors.fill: parent
        }

        ScreenSheetTitle {
            title: qsTr("Warning") + applicationManager.nullString
        }

        Text {
            objectName: "queryText"
            anchors.fill: parent
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            anchors.topMargin: 45
            anchors.bottomMargin: 70
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
            // Eliding rather than clipping: a clip worked out while the box
            // grows from its tiny start stays empty on some renderers.
            elide: Text.ElideRight
            color: "#FFFFFF"
            font.pixelSize: 20
            font.bold: true
            text: screenQueryDialog.queryString
        }

        Item {
            id: buttonRow

            readonly property real buttonWidth: (buttonNo.opacity === 1 ? width / 3 : width / 2) - 1

            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            width: parent.width - 4
            height: 65

            ScreenButton {
                anchors.left: parent.left
                width: buttonRow.buttonWidth
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("Cancel") + applicationManager.nullString
                onButtonClicked: screenQueryDialog.cancelClicked()
            }

            ScreenButton {
                id: buttonNo

                anchors.horizontalCenter: parent.horizontalCenter
                width: buttonRow.buttonWidth
                height: parent.height
                opacity: 0
                buttonLabel: qsTr("No") + applicationManager.nullString
                onButtonClicked: screenQueryDialog.noClicked()
            }

            ScreenButton {
                anchors.right: parent.right
                width: buttonRow.buttonWidth
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("Yes") + applicationManager.nullString
                onButtonClicked: screenQueryDialog.okClicked()
            }
        }
    }
}
