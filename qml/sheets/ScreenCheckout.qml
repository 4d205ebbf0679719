import QtQuick
import Pantrix

// The checkout window: the cart's count and total and the offer to delete the
// finished list. Escape is No.
ScreenPopup {
    id: screenCheckout

    property string cartItemsCount: "0"
    property string cartItemsPrice: "0"
    property string cartItemsPriceUnit: ""

    title: qsTr("Checkout")

    Accessible.role: Accessible.AlertMessage
    Accessible.name: summary.text.replace("<br>", ", ") + ". " + question.text

    ScreenLabel {
        id: summary

        objectName: "checkoutSummary"
        y: Theme.popupTextTop
        width: parent.width
        wrapMode: Text.WordWrap
        font.bold: true
        font.pixelSize: Theme.fontText
        text: qsTr("Number of items:") + " " + screenCheckout.cartItemsCount + "<br>"
              + qsTr("Total sum:") + " " + screenCheckout.cartItemsPrice + " "
              + screenCheckout.cartItemsPriceUnit
    }

    ScreenLabel {
        id: question

        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.checkoutQuestionBottom
        width: parent.width - 2 * Theme.radius
        wrapMode: Text.WordWrap
        font.pixelSize: Theme.fontText
        text: qsTr("List is empty. Do you want to delete it?")
    }

    ScreenSheetButtons {
        cancelName: "checkoutNo"
        okName: "checkoutYes"
        cancelLabel: qsTr("No")
        okLabel: qsTr("Yes")
        onCancelClicked: screenCheckout.cancelClicked()
        onOkClicked: screenCheckout.okClicked()
    }
}
