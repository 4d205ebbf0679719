import QtQuick
import qml

// The texts of a row: the name and the amount on the upper half (the name
// takes the whole height when there is no note, and then keeps clear of the
// price too), the note and the price on the lower half. The name and the note
// start at the left whatever their script; the amount and the price take at
// most half of the row. A text too long for its room is set smaller, and only
// the name and the note, past a legible size, are cut. An item's amount
// and price per unit are written from its roles; a row of another kind gives
// its own texts. The texts are named after `kind` ("itemNameText", ...).
Item {
    id: screenItemTexts

    property string kind: "item"
    property string name: ""
    property string price: ""
    property string amount: ""
    property string amountUnit: ""
    property string note: ""
    property string amountText: amount === ""
                                ? ""
                                : amount + " " + AmountUnitsDataModel.measureName(parseInt(amountUnit))
                                  + ApplicationManager.nullString
    property string priceText: price === ""
                               ? ""
                               : price + " "
                                 + CurrencyUnitsDataModel.currencySign(parseInt(ListDataModel.listCurrency))
                                 + "/" + (amountUnit === "" ? qsTr("item")
                                                            : AmountUnitsDataModel.measureName(parseInt(amountUnit)))
                                 + ApplicationManager.nullString
    // The space kept at the ends of the texts.
    property int margin: 5

    anchors.fill: parent

    Text {
        objectName: screenItemTexts.kind + "NameText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: screenItemTexts.note === "" && priceText.width > amountText.width
                       ? priceText.left : amountText.left
        anchors.rightMargin: 5
        height: screenItemTexts.note === "" ? parent.height : parent.height / 2
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmall
        elide: Text.ElideRight
        color: Theme.text
        font.pixelSize: Theme.fontText
        text: screenItemTexts.name
    }

    Text {
        id: amountText

        objectName: screenItemTexts.kind + "AmountText"
        anchors.right: parent.right
        anchors.rightMargin: screenItemTexts.margin
        width: Math.min(implicitWidth, parent.width / 2)
        height: parent.height / 2
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmallest
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.amountText
    }

    Text {
        objectName: screenItemTexts.kind + "NoteText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: priceText.left
        anchors.rightMargin: 5
        y: parent.height / 2
        height: parent.height / 2
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontLegible
        elide: Text.ElideRight
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.note
    }

    Text {
        id: priceText

        objectName: screenItemTexts.kind + "PriceText"
        anchors.right: parent.right
        anchors.rightMargin: screenItemTexts.margin
        width: Math.min(implicitWidth, parent.width / 2)
        y: parent.height / 2
        height: parent.height / 2
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmallest
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.priceText
    }
}
