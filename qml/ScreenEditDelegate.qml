import QtQuick

// One row of the list page: an item with its edit and delete zones, or the
// header of a category group with its delete zone. What it shows is made by
// the screen's page while the row is near the view.
ScreenLazyRow {
    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)
    signal categoryDeleteClicked(int index)
}
