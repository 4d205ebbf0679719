import QtQuick

// One row of the My Items page: a catalogue entry that toggles its selection
// when tapped, with its edit and delete zones, or the header of a category
// group with its delete zone. What it shows is made by the screen's page while
// the row is near the view.
ScreenLazyRow {
    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)
    signal categoryDeleteClicked(int index)
}
