import QtQuick
import Pantrix

// A row of a page (ScreenRowsPage) that has content only while the page wants
// it near the view, and then only the variant it shows: an item, or the header
// of a category group (a row whose item_type is "category"). Otherwise it is
// an empty item of the row's height, so that a long list costs little until
// it is scrolled. The content is made with this row as its `row`, and reads
// the row's roles from `row.model` and its page from `row.page`.
Item {
    id: screenLazyRow

    required property int index
    required property var model
    required property var page
    property Item content: null

    // Makes the content, or with pMade false releases it. A row's kind does
    // not change: the models insert or reset rows for that.
    function place(pMade: bool) {
        if (pMade && !content) {
            const kind = model.item_type === "category" ? page.headerContent : page.itemContent;
            content = kind.createObject(screenLazyRow, {row: screenLazyRow}) as Item;
        } else if (!pMade && content) {
            content.destroy();
            content = null;
        }
    }

    width: parent ? parent.width : 0
    height: Theme.rowHeight

    ScreenFocusRing {
        anchors.margins: Theme.rowInset
        radius: Theme.radius
        control: screenLazyRow.page
        shown: screenLazyRow.page.currentRow === screenLazyRow.index
    }
}
