import QtQuick

// A sheet with a list to choose one row from (currency, language, category,
// unit), between its title bar and its Cancel and Ok. While the chooser is
// open its list has the keys: Up and Down move the highlight, typed letters
// jump to the next row whose text starts with them, and Return and Escape
// reach the sheet, which presses its Ok or Cancel.
ScreenSheet {
    id: screenChooser

    property alias model: list.model
    property alias delegate: list.delegate
    property alias currentIndex: list.currentIndex
    property alias listName: list.objectName
    // The text a row is found by; the model's display text unless set.
    property var rowText: function(pRow) {
        const rows = list.model;
        return String(rows.data(rows.index(pRow, 0)));
    }
    readonly property alias list: list

    function takeKeys() {
        list.forceActiveFocus();
    }

    // The next row from the highlighted one on (or after it, for a first
    // letter, so repeating a letter walks through its rows) starting with pText.
    function jumpTo(pText) {
        const count = list.count;
        const wanted = pText.toLowerCase();
        const first = pText.length === 1 ? list.currentIndex + 1 : list.currentIndex;
        for (let step = 0; step < count; ++step) {
            const row = ((first + step) % count + count) % count;
            if (rowText(row).toLowerCase().startsWith(wanted)) {
                list.currentIndex = row;
                list.positionViewAtIndex(row, ListView.Contain);
                return;
            }
        }
    }

    ListView {
        id: list

        property string typed: ""

        anchors.top: screenChooser.titleBar.bottom
        anchors.topMargin: Theme.gap
        anchors.bottom: screenChooser.buttonBar.top
        anchors.bottomMargin: Theme.gap
        width: parent.width
        clip: true
        activeFocusOnTab: true
        Keys.onPressed: function(event) {
            if (event.text.length !== 1 || event.text <= " "
                    || (event.modifiers & (Qt.ControlModifier | Qt.AltModifier)))
                return;
            list.typed = typedTimer.running ? list.typed + event.text : event.text;
            typedTimer.restart();
            screenChooser.jumpTo(list.typed);
            event.accepted = true;
        }

        Timer {
            id: typedTimer

            interval: Theme.typingPause
        }
    }
}
