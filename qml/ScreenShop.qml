import QtQuick
import qml
import "ScreenItem.js" as ScreenItem

// The shopping screen: the items still to take (list view) or already taken
// (cart view); a tap moves an item between them, and when the list view runs
// empty the checkout window offers to delete the list.
ScreenBase {
    id: screenShop

    // Scratch copy of the item being updated.
    property int itemIndex: -1
    property string itemNameString: ""
    property string itemCategoryString: ""
    property string itemPriceString: ""
    property int itemPriceUnitIndex: 0
    property string itemAmountString: ""
    property int itemAmountUnitIndex: 0
    property string itemNoteString: ""

    signal backClicked()
    signal editModeClicked()

    // These run in the screen's scope: the row that asked is destroyed when the
    // model removes it.
    function deleteItem(pIndex) {
        ListDataModel.deleteItem(pIndex);
        ListDataModel.updateCountPrice();
    }

    function tickItem(pIndex) {
        ListDataModel.toggleItem(pIndex);
        ListDataModel.updateCountPrice();
        if (ListDataModel.needsCheckout()) {
            checkout.cartItemsCount = ListDataModel.cartItemsAmount();
            checkout.cartItemsPrice = ListDataModel.cartItemsPrice();
            checkout.cartItemsPriceUnit =
                    CurrencyUnitsDataModel.currencySign(parseInt(ListDataModel.listCurrency));
            state = "checkout";
        }
    }

    function switchView(pToList) {
        if (switchAnimation.running)
            return;
        switchAnimation.toList = pToList;
        switchAnimation.start();
    }

    opacity: 0
    rows: shopRows
    back: header.buttonRightClicked
    // The screen stays on while the shopping screen is there.
    Component.onCompleted: ApplicationManager.keepScreenOn(true)
    Component.onDestruction: ApplicationManager.keepScreenOn(false)

    ScreenHeader {
        id: header

        objectName: "shopHeader"
        width: parent.width
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/back-button.png"
        headerLabel1: ListDataModel.listName
        headerLabel2: ListDataModel.listNote
        headerLabel3: qsTr("shopping") + " - "
                      + (ListDataModel.isDisplayList ? qsTr("list") : qsTr("cart"))
                      + ApplicationManager.nullString
        onButtonLeftClicked: ApplicationManager.showDashboard()
        onButtonMiddleClicked: screenShop.state = "menu"
        onButtonRightClicked: {
            ListDataModel.saveModel();
            screenShop.backClicked();
        }
    }

    ScreenRowsPage {
        id: shopRows

        objectName: "shopRows"
        anchors.top: header.bottom
        anchors.topMargin: 5
        anchors.bottom: footer.top
        anchors.bottomMargin: 5
        width: parent.width
        model: ListDataModel
        itemContent: Component {
            ScreenItemRow {
                id: band

                required property ScreenShopDelegate row

                visible: opacity > 0
                tappable: true
                onTapped: band.fadeOut(false)
                onEditClicked: band.row.itemEditClicked(band.row.index)
                onDeleteClicked: band.fadeOut(true)
                onFadedOut: function(pDeleting) {
                    if (pDeleting)
                        band.row.itemDeleteClicked(band.row.index);
                    else
                        band.row.itemClicked(band.row.index);
                }

                ScreenItemTexts {
                    margin: 0
                    name: band.row.model.item_name
                    price: band.row.model.item_price
                    amount: band.row.model.item_amount
                    amountUnit: band.row.model.item_amount_unit
                    note: band.row.model.item_note
                }
            }
        }
        headerContent: Component {
            ScreenCategoryRow {
                required property ScreenShopDelegate row

                deletable: false
                category: row.model.item_category
            }
        }
        delegate: ScreenShopDelegate {
            id: shopRow

            onItemClicked: function(pIndex) {
                screenShop.tickItem(pIndex);
            }
            onItemEditClicked: function(pIndex) {
                ScreenItem.editItem(screenShop, "updateItem", pIndex, shopRow.model,
                                    parseInt(shopRow.model.item_price_unit));
            }
            onItemDeleteClicked: function(pIndex) {
                screenShop.deleteItem(pIndex);
            }
        }
    }

    // Switching between the list and the cart fades the rows out and in.
    SequentialAnimation {
        id: switchAnimation

        property bool toList: true

        NumberAnimation {
            target: shopRows
            property: "opacity"
            to: 0
            duration: Theme.quickDuration
            easing.type: Easing.InQuart
        }

        ScriptAction {
            script: {
                if (switchAnimation.toList)
                    ListDataModel.displayList(true);
                else
                    ListDataModel.displayCart(true);
                ListDataModel.updateCountPrice();
            }
        }

        NumberAnimation {
            target: shopRows
            property: "opacity"
            to: 1
            duration: Theme.quickDuration
            easing.type: Easing.OutQuart
        }
    }

    Item {
        id: footer

        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.buttonBarHeight
        clip: true

        ScreenFooterBar {
            shown: screenShop.opacity === 1
            leftName: "buttonList"
            leftLabel: qsTr("list") + ApplicationManager.nullString
            leftOpacity: ListDataModel.isDisplayList ? Theme.inactiveOpacity : 1
            rightName: "buttonCart"
            rightLabel: qsTr("cart") + ApplicationManager.nullString
            rightOpacity: ListDataModel.isDisplayList ? 1 : Theme.inactiveOpacity
            summaryName: "shopSummaryText"
            onLeftClicked: screenShop.switchView(true)
            onRightClicked: screenShop.switchView(false)
        }
    }

    ScreenMenu {
        open: screenShop.state === "menu"
        slideDuration: Theme.fadeDuration
        onCloseClicked: screenShop.state = ""

        // The gap before the last entry: this padding and the menu's spacing.
        ScreenSortEntries {
            bottomPadding: 6
            onChosen: screenShop.state = ""
        }

        ScreenMenuItem {
            objectName: "menuEditList"
            label: qsTr("Edit list") + ApplicationManager.nullString
            onItemClicked: {
                screenShop.state = "";
                screenShop.editModeClicked();
            }
        }
    }

    ScreenCheckout {
        id: checkout

        objectName: "checkout"
        anchors.fill: parent
        shown: screenShop.state === "checkout"
        growDuration: Theme.fadeDuration
        onCancelClicked: screenShop.state = ""
        onOkClicked: {
            screenShop.state = "";
            ApplicationManager.deleteList(ListDataModel.listFileName());
            screenShop.backClicked();
        }
    }

    // The item dialog, for updating an item.
    Loader {
        id: itemDialog

        anchors.fill: parent
        visible: status === Loader.Ready
        onLoaded: {
            const dialog = itemDialog.item as ScreenNewItem;
            dialog.screenHeaderString = qsTr("Update item") + ApplicationManager.nullString;
            dialog.fill(screenShop);
        }

        Connections {
            target: itemDialog.item as ScreenNewItem

            function onCancelClicked() {
                screenShop.state = "";
            }

            function onCreateClicked() {
                const dialog = itemDialog.item as ScreenNewItem;
                ApplicationManager.updateItem(0, screenShop.itemIndex, dialog.itemNameString,
                                              dialog.itemCategoryString, dialog.itemPriceString,
                                              dialog.itemAmountString, dialog.itemAmountUnitIndex,
                                              dialog.itemNoteString);
                ListDataModel.updateCountPrice();
                screenShop.state = "";
            }
        }
    }

    states: [
        State {
            name: "updateItem"

            PropertyChanges {
                target: itemDialog
                source: "qrc:/qml/qml/ScreenNewItem.qml"
            }
        }
    ]
}
