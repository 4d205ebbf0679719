import QtQuick
import Pantrix

// The texts of a row: the name and the amount on the upper half (the name
// takes the whole height when there is no note, and then keeps clear of the
// price too), the note and the price on the lower half. The name and the note
// start at the left whatever their script, and are set smaller, down to a
// legible size, before they are cut. An item's amount and price per unit are
// written from its roles; a row of another kind gives its own texts. The
// texts are named after `kind` ("itemNameText", ...).
Item {
    id: screenItemTexts

    property string kind: "item"
    property string name: ""
    property string price: ""
    property string amount: ""
    property string amountUnit: ""
    property string note: ""
    readonly property string unitName: AmountUnitsDataModel.names[parseInt(amountUnit) || 0] ?? ""
    property string amountText: amount === "" ? "" : amount + " " + unitName
    property string priceText: price === ""
                               ? ""
                               : price + " " + CurrencyUnitsDataModel.currencySign(ListDataModel.listCurrency)
                                 + "/" + (amountUnit === "" ? qsTr("item") : unitName)
    // The space kept at the ends of the texts.
    property int margin: Theme.gap
    // What a screen reader says of the row: its texts, one after the other.
    readonly property string spoken: {
        let said = "";
        for (const text of [screenItemTexts.name, screenItemTexts.amountText,
                            screenItemTexts.priceText, screenItemTexts.note]) {
            if (text !== "")
                said += (said === "" ? "" : ", ") + text;
        }
        return said;
    }

    anchors.fill: parent

    ScreenLabel {
        objectName: screenItemTexts.kind + "NameText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: screenItemTexts.note === "" && priceText.width > amountText.width
                       ? priceText.left : amountText.left
        anchors.rightMargin: Theme.gap
        height: screenItemTexts.note === "" ? parent.height : parent.height / 2
        horizontalAlignment: Text.AlignLeft
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmall
        font.pixelSize: Theme.fontText
        text: screenItemTexts.name
    }

    ScreenFigure {
        id: amountText

        objectName: screenItemTexts.kind + "AmountText"
        anchors.rightMargin: screenItemTexts.margin
        text: screenItemTexts.amountText
    }

    ScreenLabel {
        objectName: screenItemTexts.kind + "NoteText"
        anchors.left: parent.left
        anchors.leftMargin: screenItemTexts.margin
        anchors.right: priceText.left
        anchors.rightMargin: Theme.gap
        y: parent.height / 2
        height: parent.height / 2
        horizontalAlignment: Text.AlignLeft
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontLegible
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        text: screenItemTexts.note
    }

    ScreenFigure {
        id: priceText

        objectName: screenItemTexts.kind + "PriceText"
        anchors.rightMargin: screenItemTexts.margin
        y: parent.height / 2
        text: screenItemTexts.priceText
    }
}
