import QtQuick

// A page of rows: the model's rows (ScreenLazyRow delegates, each
// Theme.rowHeight high), one under the other, flicked vertically. The rows are
// made when the page is first shown, and only those from a page above the
// view to a page below it have content, made from `itemContent` or
// `headerContent`; the others are empty until they come near.
Flickable {
    id: screenRowsPage

    property var model
    property alias delegate: repeater.delegate
    property Component itemContent
    property Component headerContent
    // Whether changes of the page's opacity fade in and out.
    property bool fades: false
    readonly property int firstNearRow: Math.max(0, Math.floor((contentY - height) / Theme.rowHeight))
    readonly property int lastNearRow: Math.floor((contentY + 2 * height) / Theme.rowHeight)
    // The rows given content last time.
    property int firstMadeRow: 0
    property int lastMadeRow: -1
    property bool shownOnce: false

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
                row.place(isNear(i), itemContent, headerContent);
        }
        firstMadeRow = firstNearRow;
        lastMadeRow = last;
    }

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
            // Rows that move when others come or go are placed again.
            onCountChanged: screenRowsPage.placeContent()
            onItemAdded: function(pIndex, pItem) {
                (pItem as ScreenLazyRow).place(screenRowsPage.isNear(pIndex),
                                               screenRowsPage.itemContent,
                                               screenRowsPage.headerContent);
            }
        }
    }
}
