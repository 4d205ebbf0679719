import QtQuick
import Pantrix

// The list editing screen: the open list's items on the list page, the My Items
// catalogue on the second page, the menu, the list information sheet and the
// question before a category or a My Items entry is deleted. States, beside
// the shell's: "delete", "editListInfo".
ScreenListShell {
    id: screenEdit

    property string deleteMessage1: qsTr("All items of selected category \"Uncategorised\" will be deleted. Continue?")
    property string deleteMessage2: qsTr("will be deleted. Do you want to delete all its items?")
    property bool myItemsShown: false
    readonly property int page: myItemsShown ? ApplicationManager.MyItemsPage
                                             : ApplicationManager.ListPage
    // What the question asks about: a row of the page shown, a category or an
    // entry of My Items.
    property int questionRow: -1
    property bool questionOnCategory: false

    // Asks before row pRow, the header of pCategory or the My Items entry
    // pName, goes. The group of uncategorised items has no No: its items
    // cannot stay without their category.
    function askDelete(pRow: int, pCategory: string, pName: string) {
        questionRow = pRow;
        questionOnCategory = pName === "";
        question.queryString = !questionOnCategory
                ? qsTr("Item") + " \"" + pName + "\" " + qsTr("will be deleted. Continue?")
                : pCategory === "\uF000" ? deleteMessage1
                                         : qsTr("Category") + " \"" + pCategory + "\" " + deleteMessage2;
        question.buttonNoOpacity = questionOnCategory && pCategory !== "\uF000" ? 1 : 0;
        state = "delete";
    }

    // Yes deletes a category with its items, or the entry; No the category
    // alone, whose items become uncategorised.
    function deleteAnswered(pYes: bool) {
        state = "";
        if (questionOnCategory)
            ApplicationManager.deleteCategory(page, questionRow, pYes);
        else
            ApplicationManager.deleteItem(page, questionRow);
    }

    headerName: "editHeader"
    caption: myItemsShown ? qsTr("my items") : qsTr("list editing")
    rows: myItemsShown ? pageMyItems : pageList

    pages: [
    ScreenRowsPage {
        id: pageList

        objectName: "pageList"
        anchors.fill: parent
        opacity: screenEdit.myItemsShown ? 0 : screenEdit.opacity
        fades: true
        model: ListDataModel
        onEditClicked: pRow => screenEdit.openItem(ApplicationManager.ListPage, pRow)
        onDeleteClicked: pRow => ApplicationManager.deleteItem(ApplicationManager.ListPage, pRow)
        onHeaderDeleteClicked: (pRow, pCategory) => screenEdit.askDelete(pRow, pCategory, "")
    },
    ScreenRowsPage {
        id: pageMyItems

        objectName: "pageMyItems"
        anchors.fill: parent
        opacity: screenEdit.myItemsShown ? 1 : 0
        fades: true
        model: CategoriesDataModel
        kind: ScreenRowsPage.MyItems
        onTapped: pRow => CategoriesDataModel.toggleItem(pRow)
        onEditClicked: pRow => screenEdit.openItem(ApplicationManager.MyItemsPage, pRow)
        onDeleteClicked: (pRow, pName) => screenEdit.askDelete(pRow, "", pName)
        onHeaderDeleteClicked: (pRow, pCategory) => screenEdit.askDelete(pRow, pCategory, "")
    }
    ]

    // Each page's button bar: the bar of the page being shown lies above the
    // other one, which may still be sliding out.
    bars: [
        ScreenFooterBar {
            shown: pageList.opacity > 0
            z: screenEdit.myItemsShown ? 0 : 1
            leftName: "buttonNewItem"
            leftLabel: qsTr("new item")
            rightName: "buttonMyItems"
            rightLabel: qsTr("my items")
            summaryName: "editSummaryText"
            onLeftClicked: screenEdit.openItem(ApplicationManager.ListPage, -1)
            onRightClicked: {
                CategoriesDataModel.clearSelection();
                screenEdit.myItemsShown = true;
            }
        },
        ScreenFooterBar {
            shown: pageMyItems.opacity > 0
            z: screenEdit.myItemsShown ? 1 : 0
            leftName: "buttonCancelMyItems"
            leftLabel: qsTr("cancel")
            rightName: "buttonAddSelected"
            rightLabel: qsTr("add selected")
            rightOpacity: CategoriesDataModel.selectedCount === 0 ? Theme.inactiveOpacity : 1
            rightFade: Theme.quickDuration
            summaryShown: false
            onLeftClicked: screenEdit.myItemsShown = false
            onRightClicked: {
                ApplicationManager.addSelectedItems();
                screenEdit.myItemsShown = false;
            }
        }
    ]

    switchName: "menuGoShopping"
    switchLabel: qsTr("Go shopping")
    menuEntries: ScreenMenuItem {
        objectName: "menuEditListInfo"
        label: qsTr("Edit list info")
        onItemClicked: screenEdit.state = "editListInfo"
    }

    // Ctrl+N, or what new means on this desktop: a new item.
    Shortcut {
        // StandardKey is registered when the engine runs; Qt 6.4's linter
        // does not know it.
        // qmllint disable unqualified
        sequences: [StandardKey.New]
        // qmllint enable unqualified
        enabled: screenEdit.visible && screenEdit.state === "" && !screenEdit.myItemsShown
        onActivated: screenEdit.openItem(ApplicationManager.ListPage, -1)
    }

    // The list information sheet of the lists screen, for the open list.
    ScreenLayer {
        id: listInfo

        shown: screenEdit.state === "editListInfo"
        sourceComponent: ScreenNewList {}
        onLoaded: {
            const sheet = item as ScreenNewList;
            CurrencyUnitsDataModel.setCurrentCurrency(ListDataModel.listCurrency);
            sheet.listNameString = ListDataModel.listName;
            sheet.listCurrencyUnitIndex = ListDataModel.listCurrency;
            sheet.listNoteString = ListDataModel.listNote;
        }

        Connections {
            target: listInfo.item as ScreenNewList

            function onCancelClicked() {
                screenEdit.state = "";
            }

            function onCreateClicked() {
                const sheet = listInfo.item as ScreenNewList;
                ApplicationManager.saveListInfo(sheet.listNameString, sheet.listCurrencyUnitIndex,
                                                sheet.listNoteString);
                screenEdit.state = "";
            }
        }
    }

    ScreenQueryDialog {
        id: question

        objectName: "editQuery"
        anchors.fill: parent
        shown: screenEdit.state === "delete"
        onCancelClicked: screenEdit.state = ""
        onOkClicked: screenEdit.deleteAnswered(true)
        onNoClicked: screenEdit.deleteAnswered(false)
    }
}
