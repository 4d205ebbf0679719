import QtQuick

// One row of the shopping screen: an item that goes to the cart (or back) when
// tapped, with its edit and delete zones, or the header of a category group.
Item {
    id: shopDelegate

    required property int index
    required property string item_type
    required property string item_name
    required property string item_category
    required property string item_price
    required property string item_price_unit
    required property string item_amount
    required property string item_amount_unit
    required property string item_note

    signal itemEditClicked(int index)
    signal itemClicked(int index)
    signal itemDeleteClicked(int index)

    width: parent ? parent.width : 800
    height: Theme.rowHeight

    ScreenItemRow {
        id: band

        visible: shopDelegate.item_type === "item" && opacity > 0
        tappable: true
        onTapped: band.fadeOut(false)
        onEditClicked: shopDelegate.itemEditClicked(shopDelegate.index)
        onDeleteClicked: band.fadeOut(true)
        onFadedOut: function(pDeleting) {
            if (pDeleting)
                shopDelegate.itemDeleteClicked(shopDelegate.index);
            else
                shopDelegate.itemClicked(shopDelegate.index);
        }

        ScreenItemTexts {
            margin: 0
            name: shopDelegate.item_name
            price: shopDelegate.item_price
            amount: shopDelegate.item_amount
            amountUnit: shopDelegate.item_amount_unit
            note: shopDelegate.item_note
        }
    }

    ScreenCategoryRow {
        visible: shopDelegate.item_type === "category"
        deletable: false
        category: shopDelegate.item_category
    }
}
