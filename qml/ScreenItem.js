.pragma library

// Copies an item row (its role values) into the scratch fields of pScreen, the
// editing or shopping screen, and enters pState, which opens the item dialog.
// The price unit is given: My Items shows its prices in the list's currency.
function editItem(pScreen, pState, pIndex, pRow, pPriceUnit) {
    const unit = parseInt(pRow.item_amount_unit);
    pScreen.itemIndex = pIndex;
    pScreen.itemNameString = pRow.item_name;
    pScreen.itemCategoryString = pRow.item_category;
    pScreen.itemPriceString = pRow.item_price;
    pScreen.itemPriceUnitIndex = pPriceUnit;
    pScreen.itemAmountString = pRow.item_amount;
    pScreen.itemAmountUnitIndex = isNaN(unit) ? 0 : unit;
    pScreen.itemNoteString = pRow.item_note;
    pScreen.state = pState;
}
