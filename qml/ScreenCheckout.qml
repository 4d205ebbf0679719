import QtQuick
import qml

// The checkout window: the cart's count and total and the offer to delete the
// finished list. Escape is No.
ScreenPopup {
    id: screenCheckout

    property string cartItemsCount: "0"
    property string cartItemsPrice: "0"
    property string cartItemsPriceUnit: ""

    title: qsTr("Checkout") + ApplicationManager.nullString

    Text {
        objectName: "checkoutSummary"
        y: 70
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.text
        font.bold: true
        font.pixelSize: Theme.fontText
        text: qsTr("Number of items:") + " " + screenCheckout.cartItemsCount + "<br>"
              + qsTr("Total sum:") + " " + screenCheckout.cartItemsPrice + " "
              + screenCheckout.cartItemsPriceUnit + ApplicationManager.nullString
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 100
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.text
        font.pixelSize: Theme.fontText
        text: qsTr("List is empty. Do you want to delete it?") + ApplicationManager.nullString
    }

    ScreenSheetButtons {
        cancelName: "checkoutNo"
        okName: "checkoutYes"
        cancelLabel: qsTr("No") + ApplicationManager.nullString
        okLabel: qsTr("Yes") + ApplicationManager.nullString
        onCancelClicked: screenCheckout.cancelClicked()
        onOkClicked: screenCheckout.okClicked()
    }
}
