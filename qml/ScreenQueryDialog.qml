import QtQuick
import qml

// A modal question in a box that grows out of its centre: Cancel, Yes and,
// where the question has one, No.
ScreenPopup {
    id: screenQueryDialog

    property int queryType: 0
    property int queryIndex: 0
    property string queryString: ""
    property alias buttonNoOpacity: buttons.middleOpacity

    signal noClicked()

    boxHeight: 250
    title: qsTr("Warning") + ApplicationManager.nullString

    Text {
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

    ScreenSheetButtons {
        id: buttons

        cancelLabel: qsTr("Cancel") + ApplicationManager.nullString
        middleLabel: qsTr("No") + ApplicationManager.nullString
        okLabel: qsTr("Yes") + ApplicationManager.nullString
        onCancelClicked: screenQueryDialog.cancelClicked()
        onMiddleClicked: screenQueryDialog.noClicked()
        onOkClicked: screenQueryDialog.okClicked()
    }
}
