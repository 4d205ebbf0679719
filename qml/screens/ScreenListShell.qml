import QtQuick
import Pantrix

// What the editing and the shopping screen share for the open list: the
// header with the list's name and note, the pages of rows, the footer for the
// pages' button bars, the menu (sorting, the screen's own entries, and the
// way to the other screen), the list as text (Copy and Paste, by the menu or
// the keys) and the item dialog. The header's right button writes the list
// and goes back to the lists screen. States: "menu", "paste" while pasted
// items are shown before they are added, and "newItem" or "updateItem"
// while the item dialog is open.
ScreenBase {
    id: screenListShell

    property alias caption: header.headerLabel3
    property alias headerName: header.objectName
    property alias pages: pagesArea.data
    property alias bars: footer.data
    property alias menuEntries: screenEntries.data
    property alias menuSlideDuration: menu.slideDuration
    property alias sortGap: sortEntries.bottomPadding
    property alias switchName: switchEntry.objectName
    property alias switchLabel: switchEntry.label
    property int otherScreen: ApplicationManager.ShoppingScreen
    // The row the item dialog shows, of that page; -1 for a new item.
    property int itemPage: ApplicationManager.ListPage
    property int itemRow: -1

    function openItem(pPage: int, pRow: int) {
        itemPage = pPage;
        itemRow = pRow;
        state = pRow < 0 ? "newItem" : "updateItem";
    }

    opacity: 0
    back: header.buttonRightClicked

    // While a menu, a sheet or a question is open, the screen beneath takes
    // neither taps nor keys.
    ScreenHeader {
        id: header

        width: parent.width
        enabled: screenListShell.state === ""
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/back-button.png"
        headerLabel1: ListDataModel.listName
        headerLabel2: ListDataModel.listNote
        onButtonLeftClicked: ApplicationManager.showDashboard()
        onButtonMiddleClicked: screenListShell.state = "menu"
        onButtonRightClicked: ApplicationManager.closeList()
    }

    Item {
        id: pagesArea

        enabled: screenListShell.state === ""
        anchors.top: header.bottom
        anchors.topMargin: Theme.gap
        anchors.bottom: footer.top
        anchors.bottomMargin: Theme.gap
        width: parent.width
    }

    Item {
        id: footer

        enabled: screenListShell.state === ""
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.buttonBarHeight
        clip: true
    }

    ScreenMenu {
        id: menu

        shown: screenListShell.state === "menu"
        onCloseClicked: screenListShell.state = ""

        ScreenSortEntries {
            id: sortEntries

            onChosen: screenListShell.state = ""
        }

        // A group of its own, between gaps: the screen's entries, then the
        // list as text.
        Column {
            width: parent.width
            topPadding: Theme.menuGroupGap + spacing
            bottomPadding: topPadding
            spacing: 1

            Column {
                id: screenEntries

                width: parent.width
                spacing: 1
            }

            ScreenMenuItem {
                objectName: "menuCopyText"
                label: qsTr("Copy as text")
                onItemClicked: {
                    screenListShell.state = "";
                    ApplicationManager.copyListText();
                }
            }

            ScreenMenuItem {
                objectName: "menuPasteItems"
                label: qsTr("Paste items")
                onItemClicked: screenListShell.state = "paste"
            }
        }

        ScreenMenuItem {
            id: switchEntry

            onItemClicked: {
                screenListShell.state = "";
                ApplicationManager.showList(screenListShell.otherScreen);
            }
        }
    }

    // Ctrl+C and Ctrl+V, or what copy and paste mean on this desktop.
    Shortcut {
        // StandardKey is registered when the engine runs; Qt 6.4's linter
        // does not know it.
        // qmllint disable unqualified
        sequences: [StandardKey.Copy]
        // qmllint enable unqualified
        enabled: screenListShell.visible && screenListShell.state === ""
        onActivated: ApplicationManager.copyListText()
    }

    Shortcut {
        // qmllint disable unqualified
        sequences: [StandardKey.Paste]
        // qmllint enable unqualified
        enabled: screenListShell.visible && screenListShell.state === ""
        onActivated: screenListShell.state = "paste"
    }

    ScreenLayer {
        id: pasteLayer

        shown: screenListShell.state === "paste"
        sourceComponent: ScreenPasteItems {}

        Connections {
            target: pasteLayer.item as ScreenPasteItems

            function onCancelClicked() {
                screenListShell.state = "";
            }

            function onOkClicked() {
                screenListShell.state = "";
            }
        }
    }

    ScreenLayer {
        id: itemDialog

        shown: screenListShell.state === "newItem" || screenListShell.state === "updateItem"
        sourceComponent: ScreenNewItem {}
        onLoaded: {
            const dialog = item as ScreenNewItem;
            dialog.screenHeaderString = screenListShell.state === "newItem" ? qsTr("New item")
                                                                            : qsTr("Update item");
            dialog.fill(ApplicationManager.openItem(screenListShell.itemPage,
                                                    screenListShell.itemRow));
        }

        Connections {
            target: itemDialog.item as ScreenNewItem

            function onCancelClicked() {
                screenListShell.state = "";
            }

            function onCreateClicked() {
                ApplicationManager.saveItem(screenListShell.itemPage, screenListShell.itemRow,
                                            (itemDialog.item as ScreenNewItem).fields());
                screenListShell.state = "";
            }
        }
    }
}
