import QtQuick
import Pantrix

// What the lists, editing and shopping screens share: they have the keys when
// shown and whenever they return to their base state or open their menu
// (sheets, dialogs and questions take the keys while they are open; the rows
// take them back when one of them is current). Escape closes the menu, or else
// goes `back` where the screen has a way back; F10 and the Menu key open the
// menu; Up and Down give `rows` the keys and move its current row; Page Up,
// Page Down, Home and End scroll it. Undo and Redo (Ctrl+Z, Ctrl+Shift+Z)
// take back the last change and give it back.
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

    // Gives the keys to the rows where one of them is current, or else to
    // the screen.
    function takeKeys() {
        ((rows as ScreenRowsPage)?.currentRow >= 0 ? rows : screenBase).forceActiveFocus();
    }

    onVisibleChanged: {
        if (visible)
            takeKeys();
    }
    onStateChanged: {
        if (state === "")
            takeKeys();
    }
    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Escape) {
            if (state === "menu")
                state = "";
            else if (state === "" && back)
                back();
        } else if (event.key === Qt.Key_F10 || event.key === Qt.Key_Menu) {
            if (state === "")
                state = "menu";
        } else if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            rows.forceActiveFocus();
            (rows as ScreenRowsPage).actOnCurrent(event.key);
        } else {
            event.accepted = scroll(event.key);
        }
    }

    // Over the screen's rows and bars, and hidden under its menus, sheets and
    // questions.
    ScreenUndoBar {
        z: 1
        free: screenBase.state === ""
    }

    Shortcut {
        // StandardKey is registered when the engine runs; Qt 6.4's linter
        // does not know it.
        // qmllint disable unqualified
        sequences: [StandardKey.Undo]
        // qmllint enable unqualified
        enabled: screenBase.visible && screenBase.state === ""
        onActivated: ApplicationManager.undo()
    }

    Shortcut {
        // qmllint disable unqualified
        sequences: [StandardKey.Redo]
        // qmllint enable unqualified
        enabled: screenBase.visible && screenBase.state === ""
        onActivated: ApplicationManager.redo()
    }
}
