import QtQuick

// One row of the list page: an item with its edit and delete zones, or the
// header of a category group with its delete zone.
Item {
    id: editDelegate

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
    signal itemDeleteClicked(int index)
    signal categoryDeleteClicked(int index)

    width: parent ? parent.width : 800
    height: Theme.rowHeight

    ScreenItemRow {
        id: band

        visible: editDelegate.item_type === "item"
        onEditClicked: editDelegate.itemEditClicked(editDelegate.index)
        onDeleteClicked: band.fadeOut(true)
        onFadedOut: editDelegate.itemDeleteClicked(editDelegate.index)

        ScreenItemTexts {
            name: editDelegate.item_name
            price: editDelegate.item_price
            amount: editDelegate.item_amount
            amountUnit: editDelegate.item_amount_unit
            note: editDelegate.item_note
        }
    }

    ScreenCategoryRow {
        visible: editDelegate.item_type === "category"
        category: editDelegate.item_category
        onDeleteClicked: editDelegate.categoryDeleteClicked(editDelegate.index)
    }
}
