import QtQuick
import qml

// The menu entries that sort the open list and My Items by product or by
// category; `chosen()` follows either.
Column {
    id: screenSortEntries

    signal chosen()

    width: parent.width
    spacing: 1

    ScreenMenuItem {
        label: qsTr("Sort by product") + ApplicationManager.nullString
        onItemClicked: {
            ListDataModel.sortByProduct(true);
            CategoriesDataModel.sortByProduct(true);
            screenSortEntries.chosen();
        }
    }

    ScreenMenuItem {
        label: qsTr("Sort by category") + ApplicationManager.nullString
        onItemClicked: {
            ListDataModel.sortByCategory(true);
            CategoriesDataModel.sortByCategory(true);
            screenSortEntries.chosen();
        }
    }
}
