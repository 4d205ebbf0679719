import QtQuick
import qml

// A modal question in a box that grows out of its centre: Cancel, Yes and,
// where the question has one, No.
ScreenPopup {
    id: screenQueryDialog

    property int queryType: 0
    property int queryIndex: 0
    property string queryString: ""
    property alias buttonNoOpacity: buttonNo.opacity

    signal noClicked()

    boxName: "queryBox"
    boxHeight: 250
    title: qsTr("Warning") + ApplicationManager.nullString

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
        color: Theme.text
        font.pixelSize: Theme.fontText
        font.bold: true
        text: screenQueryDialog.queryString
    }

    Item {
        id: buttonRow

        readonly property real buttonWidth: (buttonNo.visible ? width / 3 : width / 2) - 1

        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 2
        width: parent.width - 4
        height: Theme.buttonBarHeight

        ScreenButton {
            anchors.left: parent.left
            width: buttonRow.buttonWidth
            height: parent.height
            buttonLeft: true
            buttonLabel: qsTr("Cancel") + ApplicationManager.nullString
            onButtonClicked: screenQueryDialog.cancelClicked()
        }

        ScreenButton {
            id: buttonNo

            anchors.horizontalCenter: parent.horizontalCenter
            width: buttonRow.buttonWidth
            height: parent.height
            opacity: 0
            buttonLabel: qsTr("No") + ApplicationManager.nullString
            onButtonClicked: screenQueryDialog.noClicked()
        }

        ScreenButton {
            anchors.right: parent.right
            width: buttonRow.buttonWidth
            height: parent.height
            buttonRight: true
            buttonLabel: qsTr("Yes") + ApplicationManager.nullString
            onButtonClicked: screenQueryDialog.okClicked()
        }
    }
}
