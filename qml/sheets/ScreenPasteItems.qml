import QtQuick
import Pantrix

// What pasting would add to the open list, one item a row, before it does:
// Ok adds them, Cancel adds none.
ScreenChooserLayer {
    id: screenPasteItems

    property list<string> lines

    objectName: "pastePreview"
    sheetHeight: height - Theme.headerHeight
    title: lines.length > 0 ? qsTr("Paste items") + ": " + lines.length : qsTr("Nothing to paste")
    listName: "pasteList"
    okName: "pasteOk"
    model: lines
    rowText: function(pRow) {
        return screenPasteItems.lines[pRow];
    }
    delegate: ScreenChooserRow {
        required property string modelData

        text: modelData
    }
    onOpening: {
        lines = ApplicationManager.previewPaste();
        // Nothing is chosen here: every row is added.
        currentIndex = -1;
    }
    onOkClicked: ApplicationManager.pasteItems()
}
