import QtQuick
import Pantrix

// The shopping screen: the items still to take (list view) or already taken
// (cart view); a tap moves an item between them, and when the list view runs
// empty the checkout window offers to delete the list. States, beside the
// shell's: "checkout".
ScreenListShell {
    id: screenShop

    function switchView(pToList: bool) {
        if (switchAnimation.running)
            return;
        switchAnimation.toList = pToList;
        switchAnimation.start();
    }

    headerName: "shopHeader"
    caption: qsTr("shopping") + " - " + (ListDataModel.isDisplayList ? qsTr("list") : qsTr("cart"))
    rows: shopRows
    menuSlideDuration: Theme.fadeDuration

    Shortcut {
        sequence: "Ctrl+Tab"
        enabled: screenShop.visible && screenShop.state === ""
        onActivated: screenShop.switchView(!ListDataModel.isDisplayList)
    }

    Connections {
        target: ListDataModel

        function onCheckoutRequested() {
            screenShop.state = "checkout";
        }
    }

    pages: ScreenRowsPage {
        id: shopRows

        objectName: "shopRows"
        anchors.fill: parent
        model: ListDataModel
        kind: ScreenRowsPage.Shopping
        onTapped: pRow => ApplicationManager.tickItem(pRow)
        onEditClicked: pRow => screenShop.openItem(ApplicationManager.ListPage, pRow)
        onDeleteClicked: pRow => ApplicationManager.deleteItem(ApplicationManager.ListPage, pRow)
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

    bars: ScreenFooterBar {
        shown: screenShop.opacity === 1
        leftName: "buttonList"
        leftLabel: qsTr("list")
        leftOpacity: ListDataModel.isDisplayList ? Theme.inactiveOpacity : 1
        rightName: "buttonCart"
        rightLabel: qsTr("cart")
        rightOpacity: ListDataModel.isDisplayList ? 1 : Theme.inactiveOpacity
        summaryName: "shopSummaryText"
        onLeftClicked: screenShop.switchView(true)
        onRightClicked: screenShop.switchView(false)
    }

    menuEntries: ScreenMenuItem {
        objectName: "menuUntickAll"
        label: qsTr("Untick all")
        onItemClicked: {
            screenShop.state = "";
            ApplicationManager.untickAll();
        }
    }
    switchName: "menuEditList"
    switchLabel: qsTr("Edit list")
    otherScreen: ApplicationManager.EditingScreen

    ScreenCheckout {
        objectName: "checkout"
        anchors.fill: parent
        shown: screenShop.state === "checkout"
        growDuration: Theme.fadeDuration
        cartItemsCount: ListDataModel.checkoutAmount
        cartItemsPrice: ListDataModel.checkoutPrice
        cartItemsPriceUnit: CurrencyUnitsDataModel.currencySign(ListDataModel.listCurrency)
        onCancelClicked: screenShop.state = ""
        onOkClicked: {
            screenShop.state = "";
            ApplicationManager.finishList();
        }
    }
}
