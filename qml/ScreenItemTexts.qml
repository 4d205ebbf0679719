import QtQuick
import qml

// The texts of an item row: the name and the amount on the upper half (the
// name takes the whole height when there is no note), the note and the price
// per unit on the lower half.
Item {
    id: screenItemTexts

    property string name: ""
    property string price: ""
    property string amount: ""
    property string amountUnit: ""
    property string note: ""
    // The space kept at the ends of the texts.
    property int margin: 5

    anchors.fill: parent

    Text {
        objectName: "itemNameText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: amountText.left
        anchors.rightMargin: 5
        height: screenItemTexts.note === "" ? parent.height : parent.height / 2
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: Theme.text
        font.pixelSize: Theme.fontText
        text: screenItemTexts.name
    }

    Text {
        id: amountText

        objectName: "itemAmountText"
        anchors.right: parent.right
        anchors.rightMargin: screenItemTexts.margin
        height: parent.height / 2
        verticalAlignment: Text.AlignVCenter
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.amount === ""
              ? ""
              : screenItemTexts.amount + " "
                + AmountUnitsDataModel.measureName(parseInt(screenItemTexts.amountUnit))
                + ApplicationManager.nullString
    }

    Text {
        objectName: "itemNoteText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: priceText.left
        anchors.rightMargin: 5
        y: parent.height / 2
        height: parent.height / 2
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.note
    }

    Text {
        id: priceText

        objectName: "itemPriceText"
        anchors.right: parent.right
        anchors.rightMargin: screenItemTexts.margin
        y: parent.height / 2
        height: parent.height / 2
        verticalAlignment: Text.AlignVCenter
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.price === ""
              ? ""
              : screenItemTexts.price + " "
                + CurrencyUnitsDataModel.currencySign(parseInt(ListDataModel.listCurrency)) + "/"
                + (screenItemTexts.amountUnit === ""
                   ? qsTr("item")
                   : AmountUnitsDataModel.measureName(parseInt(screenItemTexts.amountUnit)))
                + ApplicationManager.nullString
    }
}
