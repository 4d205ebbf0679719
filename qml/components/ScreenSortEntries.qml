import QtQuick
import Pantrix

// The menu entries that sort the open list and My Items by product or by
// category; `chosen()` follows either.
Column {
    id: screenSortEntries

    signal chosen()

    width: parent.width
    spacing: 1

    ScreenMenuItem {
        label: qsTr("Sort by product")
        onItemClicked: {
            ApplicationManager.sortItems(ApplicationManager.ByProduct);
            screenSortEntries.chosen();
        }
    }

    ScreenMenuItem {
        label: qsTr("Sort by category")
        onItemClicked: {
            ApplicationManager.sortItems(ApplicationManager.ByCategory);
            screenSortEntries.chosen();
        }
    }
}
