import QtQuick
import Pantrix

// What pasting would add to the open list, one item a row, before it does:
// Ok adds them, Cancel adds none.
Item {
    id: screenPasteItems

    property bool shown: false
    property list<string> lines

    signal cancelClicked()
    signal okClicked()

    visible: shown
    onVisibleChanged: {
        if (!visible)
            return;
        lines = ApplicationManager.previewPaste();
        // Nothing is chosen here: every row is added.
        preview.currentIndex = -1;
        preview.takeKeys();
    }

    ScreenShade {
        onClicked: screenPasteItems.cancelClicked()
    }

    ScreenChooser {
        id: preview

        objectName: "pastePreview"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        height: parent.height - Theme.headerHeight
        title: screenPasteItems.lines.length > 0 ? qsTr("Paste items") + ": "
                                                   + screenPasteItems.lines.length
                                                 : qsTr("Nothing to paste")
        listName: "pasteList"
        okName: "pasteOk"
        model: screenPasteItems.lines
        rowText: function(pRow) {
            return screenPasteItems.lines[pRow];
        }
        delegate: ScreenChooserRow {
            required property string modelData

            text: modelData
        }
        onCancelClicked: screenPasteItems.cancelClicked()
        onOkClicked: {
            ApplicationManager.pasteItems();
            screenPasteItems.okClicked();
        }
    }
}
