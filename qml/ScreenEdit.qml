import QtQuick
import qml
import "ScreenItem.js" as ScreenItem

// The list editing screen: the open list's items on the list page, the My Items
// catalogue on the second page, the menu, the item and list dialogs and the
// delete question.
ScreenBase {
    id: screenEdit

    // Scratch copy of the item being added or edited.
    property int itemIndex: -1
    property string itemNameString: ""
    property string itemCategoryString: ""
    property string itemPriceString: ""
    property int itemPriceUnitIndex: 0
    property string itemAmountString: ""
    property int itemAmountUnitIndex: 0
    property string itemNoteString: ""

    property string deleteMessage1: qsTr("All items of selected category \"Uncategorised\" will be deleted. Continue?")
    property string deleteMessage2: qsTr("will be deleted. Do you want to delete all its items?")

    property bool myItemsShown: false

    signal backClicked()
    signal shopModeClicked()

    // Runs in the screen's scope: deleting the row destroys the delegate that asked.
    function deleteListItem(pIndex) {
        ListDataModel.deleteItem(pIndex);
        ListDataModel.updateCountPrice();
    }

    function askDelete(pKind, pIndex, pQuestion, pWithNo) {
        screenDelete.queryType = pKind;
        screenDelete.queryIndex = pIndex;
        screenDelete.queryString = pQuestion;
        screenDelete.buttonNoOpacity = pWithNo ? 1 : 0;
        state = "delete";
    }

    // Yes deletes a category with its items, No only the header (its items
    // become uncategorised); an item of My Items has no No.
    function deleteAnswered(pWithItems) {
        state = "";
        const index = screenDelete.queryIndex;
        if (screenDelete.queryType === 0) {
            CategoriesDataModel.deleteItem(index);
        } else if (screenDelete.queryType === 1) {
            ListDataModel.deleteCategory(index, pWithItems);
            ListDataModel.updateCountPrice();
        } else {
            CategoriesDataModel.deleteCategory(index, pWithItems);
        }
    }

    function askCategoryDelete(pKind, pIndex, pCategory) {
        if (pCategory === "\uF000")
            askDelete(pKind, pIndex, deleteMessage1, false);
        else
            askDelete(pKind, pIndex, qsTr("Category") + " \"" + pCategory + "\" " + deleteMessage2, true);
    }

    opacity: 0
    rows: screenEdit.myItemsShown ? pageMyItems : pageList
    back: header.buttonRightClicked

    ScreenHeader {
        id: header

        objectName: "editHeader"
        width: parent.width
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/back-button.png"
        headerLabel1: ListDataModel.listName
        headerLabel2: ListDataModel.listNote
        headerLabel3: (screenEdit.myItemsShown ? qsTr("my items") : qsTr("list editing"))
                      + ApplicationManager.nullString
        onButtonLeftClicked: ApplicationManager.showDashboard()
        onButtonMiddleClicked: screenEdit.state = "menu"
        onButtonRightClicked: {
            ListDataModel.saveModel();
            screenEdit.backClicked();
        }
    }

    Item {
        id: pages

        anchors.top: header.bottom
        anchors.topMargin: 5
        anchors.bottom: footer.top
        anchors.bottomMargin: 5
        width: parent.width

        ScreenRowsPage {
            id: pageList

            objectName: "pageList"
            anchors.fill: parent
            opacity: screenEdit.myItemsShown ? 0 : screenEdit.opacity
            fades: true
            model: ListDataModel
            itemContent: Component {
                ScreenItemRow {
                    id: band

                    required property ScreenEditDelegate row

                    onEditClicked: band.row.itemEditClicked(band.row.index)
                    onDeleteClicked: band.fadeOut(true)
                    onFadedOut: band.row.itemDeleteClicked(band.row.index)

                    ScreenItemTexts {
                        name: band.row.model.item_name
                        price: band.row.model.item_price
                        amount: band.row.model.item_amount
                        amountUnit: band.row.model.item_amount_unit
                        note: band.row.model.item_note
                    }
                }
            }
            headerContent: Component {
                ScreenCategoryRow {
                    required property ScreenEditDelegate row

                    category: row.model.item_category
                    onDeleteClicked: row.categoryDeleteClicked(row.index)
                }
            }
            delegate: ScreenEditDelegate {
                id: listRow

                onItemEditClicked: function(pIndex) {
                    ScreenItem.editItem(screenEdit, "updateItem", pIndex, listRow.model,
                                        parseInt(listRow.model.item_price_unit));
                }
                onItemDeleteClicked: function(pIndex) {
                    screenEdit.deleteListItem(pIndex);
                }
                onCategoryDeleteClicked: function(pIndex) {
                    screenEdit.askCategoryDelete(1, pIndex, listRow.model.item_category);
                }
            }
        }

        ScreenRowsPage {
            id: pageMyItems

            objectName: "pageMyItems"
            anchors.fill: parent
            opacity: screenEdit.myItemsShown ? 1 : 0
            fades: true
            model: CategoriesDataModel
            itemContent: Component {
                ScreenItemRow {
                    id: band

                    required property ScreenCategoriesDelegate row

                    tappable: true
                    color: pressed ? Theme.rowPressed
                                   : band.row.model.item_status === "checked" ? Theme.rowSelected : Theme.row
                    onTapped: CategoriesDataModel.toggleItem(band.row.index)
                    onEditClicked: band.row.itemEditClicked(band.row.index)
                    onDeleteClicked: band.row.itemDeleteClicked(band.row.index)

                    Text {
                        objectName: "itemNameText"
                        anchors.fill: parent
                        horizontalAlignment: Text.AlignLeft
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        color: Theme.text
                        font.pixelSize: Theme.fontText
                        text: band.row.model.item_name
                    }
                }
            }
            headerContent: Component {
                ScreenCategoryRow {
                    required property ScreenCategoriesDelegate row

                    category: row.model.item_category
                    onDeleteClicked: row.categoryDeleteClicked(row.index)
                }
            }
            delegate: ScreenCategoriesDelegate {
                id: myItemsRow

                onItemEditClicked: function(pIndex) {
                    ScreenItem.editItem(screenEdit, "updateItem", pIndex, myItemsRow.model,
                                        parseInt(ListDataModel.listCurrency));
                }
                onItemDeleteClicked: function(pIndex) {
                    screenEdit.askDelete(0, pIndex, qsTr("Item") + " \"" + myItemsRow.model.item_name
                                         + "\" " + qsTr("will be deleted. Continue?"), false);
                }
                onCategoryDeleteClicked: function(pIndex) {
                    screenEdit.askCategoryDelete(2, pIndex, myItemsRow.model.item_category);
                }
            }
        }
    }

    // Each page's button bar: the bar of the page being shown lies above the
    // other one, which may still be sliding out.
    Item {
        id: footer

        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.buttonBarHeight
        clip: true

        ScreenFooterBar {
            shown: pageList.opacity > 0
            z: screenEdit.myItemsShown ? 0 : 1
            leftName: "buttonNewItem"
            leftLabel: qsTr("new item") + ApplicationManager.nullString
            rightName: "buttonMyItems"
            rightLabel: qsTr("my items") + ApplicationManager.nullString
            summaryName: "editSummaryText"
            // A new item starts in the category last added to or opened.
            onLeftClicked: {
                const blank = {item_name: "", item_category: screenEdit.itemCategoryString,
                               item_price: "", item_amount: "", item_amount_unit: "", item_note: ""};
                ScreenItem.editItem(screenEdit, "newItem", -1, blank,
                                    parseInt(ListDataModel.listCurrency));
            }
            onRightClicked: {
                CategoriesDataModel.clearSelection();
                screenEdit.myItemsShown = true;
            }
        }

        ScreenFooterBar {
            shown: pageMyItems.opacity > 0
            z: screenEdit.myItemsShown ? 1 : 0
            leftName: "buttonCancelMyItems"
            leftLabel: qsTr("cancel") + ApplicationManager.nullString
            rightName: "buttonAddSelected"
            rightLabel: qsTr("add selected") + ApplicationManager.nullString
            rightOpacity: CategoriesDataModel.selectedCount === 0 ? Theme.inactiveOpacity : 1
            rightFade: Theme.quickDuration
            summaryShown: false
            onLeftClicked: screenEdit.myItemsShown = false
            onRightClicked: {
                ApplicationManager.updateListItems();
                ListDataModel.updateCountPrice();
                CategoriesDataModel.clearSelection();
                screenEdit.myItemsShown = false;
            }
        }
    }

    ScreenMenu {
        open: screenEdit.state === "menu"
        onCloseClicked: screenEdit.state = ""

        ScreenSortEntries {
            onChosen: screenEdit.state = ""
        }

        Item {
            width: 1
            height: 2
        }

        ScreenMenuItem {
            objectName: "menuEditListInfo"
            label: qsTr("Edit list info") + ApplicationManager.nullString
            onItemClicked: screenEdit.state = "editListInfo"
        }

        Item {
            width: 1
            height: 2
        }

        ScreenMenuItem {
            objectName: "menuGoShopping"
            label: qsTr("Go shopping") + ApplicationManager.nullString
            onItemClicked: {
                screenEdit.state = "";
                screenEdit.shopModeClicked();
            }
        }
    }

    // The item dialog, for a new item and for updating one.
    Loader {
        id: itemDialog

        anchors.fill: parent
        visible: status === Loader.Ready
        onLoaded: {
            const dialog = itemDialog.item as ScreenNewItem;
            dialog.screenHeaderString = (screenEdit.state === "newItem" ? qsTr("New item")
                                                                         : qsTr("Update item"))
                    + ApplicationManager.nullString;
            dialog.fill(screenEdit);
        }

        Connections {
            target: itemDialog.item as ScreenNewItem

            function onCancelClicked() {
                screenEdit.state = "";
            }

            function onCreateClicked() {
                const dialog = itemDialog.item as ScreenNewItem;
                if (screenEdit.state === "newItem") {
                    ApplicationManager.addItem(0, dialog.itemNameString, dialog.itemCategoryString,
                                               dialog.itemPriceString, dialog.itemAmountString,
                                               dialog.itemAmountUnitIndex, dialog.itemNoteString);
                    screenEdit.itemCategoryString = dialog.itemCategoryString;
                } else {
                    ApplicationManager.updateItem(screenEdit.myItemsShown ? 1 : 0,
                                                  screenEdit.itemIndex, dialog.itemNameString,
                                                  dialog.itemCategoryString, dialog.itemPriceString,
                                                  dialog.itemAmountString,
                                                  dialog.itemAmountUnitIndex, dialog.itemNoteString);
                }
                ListDataModel.updateCountPrice();
                screenEdit.state = "";
            }
        }
    }

    // The list information sheet of the lists screen, reused for the open list.
    Loader {
        id: listInfoDialog

        anchors.fill: parent
        visible: status === Loader.Ready
        onLoaded: {
            const sheet = listInfoDialog.item as ScreenNewList;
            CurrencyUnitsDataModel.setCurrentCurrency(ListDataModel.listCurrency);
            sheet.listNameString = ListDataModel.listName;
            sheet.listCurrencyUnitIndex = ListDataModel.listCurrency;
            sheet.listNoteString = ListDataModel.listNote;
        }

        Connections {
            target: listInfoDialog.item as ScreenNewList

            function onCancelClicked() {
                screenEdit.state = "";
            }

            function onCreateClicked() {
                const sheet = listInfoDialog.item as ScreenNewList;
                ListDataModel.updateModelInfo(sheet.listNameString, sheet.listCurrencyUnitIndex,
                                              sheet.listNoteString);
                screenEdit.state = "";
            }
        }
    }

    ScreenQueryDialog {
        id: screenDelete

        objectName: "editQuery"
        anchors.fill: parent
        shown: screenEdit.state === "delete"
        onCancelClicked: screenEdit.state = ""
        onOkClicked: screenEdit.deleteAnswered(true)
        onNoClicked: screenEdit.deleteAnswered(false)
    }

    states: [
        State {
            name: "newItem"

            PropertyChanges {
                target: itemDialog
                source: "qrc:/qml/qml/ScreenNewItem.qml"
            }
        },
        State {
            name: "updateItem"

            PropertyChanges {
                target: itemDialog
                source: "qrc:/qml/qml/ScreenNewItem.qml"
            }
        },
        State {
            name: "editListInfo"

            PropertyChanges {
                target: listInfoDialog
                source: "qrc:/qml/qml/ScreenNewList.qml"
            }
        }
    ]
}
