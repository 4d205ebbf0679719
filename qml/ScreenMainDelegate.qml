import QtQuick
import qml

// One stored list on the lists screen: edit zone, summary, delete zone. What
// it shows is made by the screen's page while the row is near the view.
ScreenLazyRow {
    signal itemClicked(int index)
    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)
}
