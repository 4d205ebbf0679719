pragma ComponentBehavior: Bound

import QtQuick
import Pantrix

// A page of rows: the model's rows (ScreenLazyRow, each Theme.rowHeight high),
// one under the other, flicked vertically. The rows are made when the page is
// first shown, and only those from a page above the view to a page below it
// have content; the others are empty until they come near. An item row is an
// item band with the item's texts (or `itemContent`, for rows of another
// kind), a category row the category's band. What a person does to a row the
// page reports by the row's number; what the rows take, and whether a tap or
// a delete first fades the band away, follows the page's `kind`. The keys act
// on a current row (Up and Down move it among the item rows, past the
// headers): Return opens it as a tap does (edits it where a tap does nothing),
// F2 edits it, Space taps it, Delete deletes it.
Flickable {
    id: screenRowsPage

    enum Kind { ListItems, Shopping, MyItems, StoredLists }

    property var model
    property int kind: ScreenRowsPage.ListItems
    readonly property bool tappable: kind !== ScreenRowsPage.ListItems
    readonly property bool fadesOnTap: kind === ScreenRowsPage.Shopping
    readonly property bool fadesOnDelete: kind === ScreenRowsPage.ListItems || fadesOnTap
    // My Items shows its entries' names alone, and whether they are selected.
    readonly property bool catalogue: kind === ScreenRowsPage.MyItems
    readonly property int textMargin: fadesOnTap || catalogue ? 0 : Theme.gap
    // Whether changes of the page's opacity fade in and out.
    property bool fades: false
    property Component itemContent: Component {
        ScreenItemRow {
            id: band

            required property ScreenLazyRow row

            tappable: screenRowsPage.tappable
            selected: screenRowsPage.catalogue && row.model.item_status === "checked"
            spokenState: screenRowsPage.kind === ScreenRowsPage.Shopping
                         ? (row.model.item_status === "checked" ? qsTr("ticked") : qsTr("not ticked"))
                         : selected ? qsTr("selected") : ""
            onTapped: screenRowsPage.fadesOnTap ? fadeOut(false) : screenRowsPage.tapped(row.index)
            onEditClicked: screenRowsPage.editClicked(row.index)
            onDeleteClicked: screenRowsPage.fadesOnDelete
                             ? fadeOut(true)
                             : screenRowsPage.deleteClicked(row.index, row.model.item_name)
            onFadedOut: pDeleting => pDeleting
                        ? screenRowsPage.deleteClicked(band.row.index, band.row.model.item_name)
                        : screenRowsPage.tapped(band.row.index)

            ScreenItemTexts {
                margin: screenRowsPage.textMargin
                name: band.row.model.item_name
                price: screenRowsPage.catalogue ? "" : band.row.model.item_price
                amount: screenRowsPage.catalogue ? "" : band.row.model.item_amount
                amountUnit: band.row.model.item_amount_unit
                note: screenRowsPage.catalogue ? "" : band.row.model.item_note
            }
        }
    }
    property Component headerContent: Component {
        ScreenCategoryRow {
            required property ScreenLazyRow row

            category: row.model.item_category
            deletable: screenRowsPage.kind !== ScreenRowsPage.Shopping
            onDeleteClicked: screenRowsPage.headerDeleteClicked(row.index, category)
        }
    }
    readonly property int firstNearRow: Math.max(0, Math.floor((contentY - height) / Theme.rowHeight))
    readonly property int lastNearRow: Math.floor((contentY + 2 * height) / Theme.rowHeight)
    // The rows given content last time.
    property int firstMadeRow: 0
    property int lastMadeRow: -1
    property bool shownOnce: false
    // The item row the keys act on, or -1 for none.
    property int currentRow: -1

    signal tapped(int pRow)
    signal editClicked(int pRow)
    signal deleteClicked(int pRow, string pName)
    signal headerDeleteClicked(int pRow, string pCategory)

    function isHeader(pRow: int): bool {
        return (repeater.itemAt(pRow) as ScreenLazyRow)?.model.item_type === "category";
    }

    // Makes the item row pStep rows on from the current one, past headers,
    // current, and scrolls it into view; none is made current past the ends.
    function moveCurrent(pStep: int) {
        let row = currentRow < 0 ? (pStep > 0 ? -1 : repeater.count) : currentRow;
        do {
            row += pStep;
        } while (row >= 0 && row < repeater.count && isHeader(row));
        if (row < 0 || row >= repeater.count)
            return;
        currentRow = row;
        showRow(row);
    }

    // After rows went, the row that took the current row's place is current,
    // or the last item row.
    function keepCurrent() {
        if (currentRow < 0)
            return;
        currentRow = Math.min(currentRow, repeater.count) - 1;
        moveCurrent(1);
        if (currentRow >= repeater.count || isHeader(currentRow))
            currentRow = -1;
    }

    function showRow(pRow: int) {
        const top = pRow * Theme.rowHeight;
        if (top < contentY)
            contentY = top;
        else if (top + Theme.rowHeight > contentY + height)
            contentY = top + Theme.rowHeight - height;
    }

    // Does to the current row what pKey asks; false for another key.
    function actOnCurrent(pKey: int): bool {
        if (pKey === Qt.Key_Up || pKey === Qt.Key_Down) {
            moveCurrent(pKey === Qt.Key_Up ? -1 : 1);
            return true;
        }
        if (currentRow < 0)
            return false;
        showRow(currentRow);
        const band = (repeater.itemAt(currentRow) as ScreenLazyRow)?.content as ScreenItemRow;
        if (!band)
            return false;
        switch (pKey) {
        case Qt.Key_Return:
        case Qt.Key_Enter:
            if (tappable)
                band.tapped();
            else
                band.editClicked();
            return true;
        case Qt.Key_Space:
            if (tappable)
                band.tapped();
            return true;
        case Qt.Key_F2:
            if (band.editable)
                band.editClicked();
            return true;
        case Qt.Key_Delete:
            band.deleteClicked();
            return true;
        }
        return false;
    }

    function isNear(pIndex: int): bool {
        return visible && pIndex >= firstNearRow && pIndex <= lastNearRow;
    }

    // Gives the rows near the view their content and releases the content of
    // those that were near and no longer are. A hidden page keeps what it has.
    function placeContent() {
        if (!visible)
            return;
        const last = Math.min(lastNearRow, repeater.count - 1);
        for (let i = Math.min(firstNearRow, firstMadeRow); i <= Math.max(last, lastMadeRow); ++i) {
            const row = repeater.itemAt(i) as ScreenLazyRow;
            if (row)
                row.place(isNear(i));
        }
        firstMadeRow = firstNearRow;
        lastMadeRow = last;
    }

    activeFocusOnTab: visible
    clip: true
    contentWidth: width
    contentHeight: column.height
    flickableDirection: Flickable.VerticalFlick
    visible: opacity > 0
    onFirstNearRowChanged: placeContent()
    onLastNearRowChanged: placeContent()
    onVisibleChanged: {
        if (visible)
            shownOnce = true;
        placeContent();
    }
    Component.onCompleted: shownOnce = visible
    Keys.onPressed: function(event) {
        event.accepted = actOnCurrent(event.key);
    }

    Behavior on opacity {
        enabled: screenRowsPage.fades

        NumberAnimation {
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }

    Column {
        id: column

        x: (screenRowsPage.width - width) / 2
        width: Math.min(screenRowsPage.width, Theme.maxWidth)

        Repeater {
            id: repeater

            model: screenRowsPage.shownOnce ? screenRowsPage.model : null
            delegate: ScreenLazyRow {
                page: screenRowsPage
            }
            // Rows that move when others come or go are placed again.
            onCountChanged: {
                screenRowsPage.placeContent();
                screenRowsPage.keepCurrent();
            }
            onItemAdded: function(pIndex, pItem) {
                (pItem as ScreenLazyRow).place(screenRowsPage.isNear(pIndex));
            }
        }
    }
}
