import QtQuick

// What the lists, editing and shopping screens share: they have the keys when
// shown and whenever they return to their base state or open their menu
// (sheets, dialogs and questions take the keys while they are open). Escape
// closes the menu, or else goes `back` where the screen has a way back; Up,
// Down, Page Up, Page Down, Home and End scroll `rows`.
Item {
    id: screenBase

    property Flickable rows: null
    property var back: null

    // Moves the rows as a scrolling key asks: a row for Up and Down, a page for
    // Page Up and Page Down, the ends for Home and End. Returns whether pKey
    // was one of them.
    function scroll(pKey) {
        const last = Math.max(0, rows.contentHeight - rows.height);
        let y = rows.contentY;
        switch (pKey) {
        case Qt.Key_Up: y -= Theme.rowHeight; break;
        case Qt.Key_Down: y += Theme.rowHeight; break;
        case Qt.Key_PageUp: y -= rows.height; break;
        case Qt.Key_PageDown: y += rows.height; break;
        case Qt.Key_Home: y = 0; break;
        case Qt.Key_End: y = last; break;
        default: return false;
        }
        rows.cancelFlick();
        rows.contentY = Math.min(Math.max(y, 0), last);
        return true;
    }

    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    onStateChanged: {
        if (state === "" || state === "menu")
            forceActiveFocus();
    }
    Keys.onPressed: function(event) {
        if (event.key !== Qt.Key_Escape)
            event.accepted = scroll(event.key);
        else if (state === "menu")
            state = "";
        else if (state === "" && back)
            back();
    }
}
