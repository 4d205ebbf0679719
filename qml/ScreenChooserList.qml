import QtQuick

// The list of a chooser (currency, language, category, unit). Up and Down move
// the highlight, typed letters jump to the next row whose text starts with
// them. Return and Escape reach the chooser's sheet, which presses its Ok or
// Cancel.
ListView {
    id: screenChooserList

    // The text a row is found by; the model's display text unless set.
    property var rowText: function(pRow) {
        const rows = screenChooserList.model;
        return String(rows.data(rows.index(pRow, 0)));
    }
    property string typed: ""

    // The next row from the highlighted one on (or after it, for a first
    // letter, so repeating a letter walks through its rows) starting with pText.
    function jumpTo(pText) {
        const count = typeof model === "number" ? model : model.rowCount();
        const wanted = pText.toLowerCase();
        const first = pText.length === 1 ? currentIndex + 1 : currentIndex;
        for (let step = 0; step < count; ++step) {
            const row = ((first + step) % count + count) % count;
            if (rowText(row).toLowerCase().startsWith(wanted)) {
                currentIndex = row;
                positionViewAtIndex(row, ListView.Contain);
                return;
            }
        }
    }

    clip: true
    Keys.onPressed: function(event) {
        if (event.text.length !== 1 || event.text <= " "
                || (event.modifiers & (Qt.ControlModifier | Qt.AltModifier)))
            return;
        typed = typedTimer.running ? typed + event.text : event.text;
        typedTimer.restart();
        jumpTo(typed);
        event.accepted = true;
    }

    Timer {
        id: typedTimer

        interval: 1000
    }
}
