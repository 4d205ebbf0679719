import QtQuick
import Pantrix

// A modal question in a box that grows out of its centre: Cancel, Yes and,
// where the question has one, No.
ScreenPopup {
    id: screenQueryDialog

    property int queryType: 0
    property int queryIndex: 0
    property string queryString: ""
    property alias buttonNoOpacity: buttons.middleOpacity

    signal noClicked()

    boxHeight: Theme.queryHeight
    title: qsTr("Warning")
    Accessible.role: Accessible.AlertMessage
    Accessible.name: queryString

    ScreenLabel {
        anchors.fill: parent
        anchors.leftMargin: Theme.radius
        anchors.rightMargin: Theme.radius
        anchors.topMargin: Theme.titleHeight + Theme.gap
        anchors.bottomMargin: Theme.buttonBarHeight + Theme.gap
        // A label elides rather than clips: a clip worked out while the box
        // grows from its tiny start stays empty on some renderers.
        wrapMode: Text.Wrap
        font.pixelSize: Theme.fontText
        font.bold: true
        text: screenQueryDialog.queryString
    }

    ScreenSheetButtons {
        id: buttons

        cancelLabel: qsTr("Cancel")
        middleLabel: qsTr("No")
        okLabel: qsTr("Yes")
        onCancelClicked: screenQueryDialog.cancelClicked()
        onMiddleClicked: screenQueryDialog.noClicked()
        onOkClicked: screenQueryDialog.okClicked()
    }
}
