import QtQuick

// One row of the shopping screen: an item that goes to the cart (or back) when
// tapped, with its edit and delete zones, or the header of a category group.
// What it shows is made by the screen's page while the row is near the view.
ScreenLazyRow {
    signal itemEditClicked(int index)
    signal itemClicked(int index)
    signal itemDeleteClicked(int index)
}
