import QtQuick
import qml
import "ScreenKeys.js" as ScreenKeys

// The list editing screen: the open list's items on the list page, the My Items
// catalogue on the second page, the menu, the item and list dialogs and the
// delete question.
Item {
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

    function openItemDialog(pState, pIndex, pName, pCategory, pPrice, pPriceUnit, pAmount,
                            pAmountUnit, pNote) {
        itemIndex = pIndex;
        itemNameString = pName;
        itemCategoryString = pCategory;
        itemPriceString = pPrice;
        itemPriceUnitIndex = pPriceUnit;
        itemAmountString = pAmount;
        itemAmountUnitIndex = isNaN(pAmountUnit) ? 0 : pAmountUnit;
        itemNoteString = pNote;
        state = pState;
    }

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

    function askCategoryDelete(pKind, pIndex, pCategory) {
        if (pCategory === "\uF000")
            askDelete(pKind, pIndex, deleteMessage1, false);
        else
            askDelete(pKind, pIndex, qsTr("Category") + " \"" + pCategory + "\" " + deleteMessage2, true);
    }

    width: 800
    height: 480
    opacity: 0
    // Dialogs and questions take the keys while they are open; then the screen
    // has them back: Escape closes the menu or else goes back as the back
    // button does, the scrolling keys move the rows.
    onStateChanged: {
        if (state === "" || state === "menu")
            forceActiveFocus();
    }
    Keys.onPressed: function(event) {
        ScreenKeys.screenKeyPressed(screenEdit, myItemsShown ? pageMyItems : pageList, event,
                                    header.buttonRightClicked);
    }

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
            model: ListDataModel
            delegate: ScreenEditDelegate {
                id: listRow

                onItemEditClicked: function(pIndex) {
                    screenEdit.openItemDialog("updateItem", pIndex, listRow.item_name,
                                              listRow.item_category, listRow.item_price,
                                              parseInt(listRow.item_price_unit), listRow.item_amount,
                                              parseInt(listRow.item_amount_unit), listRow.item_note);
                }
                onItemDeleteClicked: function(pIndex) {
                    screenEdit.deleteListItem(pIndex);
                }
                onCategoryDeleteClicked: function(pIndex) {
                    screenEdit.askCategoryDelete(1, pIndex, listRow.item_category);
                }
            }

            Behavior on opacity {
                NumberAnimation {
                    duration: Theme.duration
                    easing.type: Theme.easing
                }
            }
        }

        ScreenRowsPage {
            id: pageMyItems

            objectName: "pageMyItems"
            anchors.fill: parent
            opacity: screenEdit.myItemsShown ? 1 : 0
            model: CategoriesDataModel
            delegate: ScreenCategoriesDelegate {
                id: myItemsRow

                required property string item_price
                required property string item_amount
                required property string item_amount_unit
                required property string item_note

                onItemEditClicked: function(pIndex) {
                    screenEdit.openItemDialog("updateItem", pIndex, myItemsRow.item_name,
                                              myItemsRow.item_category, myItemsRow.item_price,
                                              parseInt(ListDataModel.listCurrency),
                                              myItemsRow.item_amount,
                                              parseInt(myItemsRow.item_amount_unit),
                                              myItemsRow.item_note);
                }
                onItemDeleteClicked: function(pIndex) {
                    screenEdit.askDelete(0, pIndex, qsTr("Item") + " \"" + myItemsRow.item_name
                                         + "\" " + qsTr("will be deleted. Continue?"), false);
                }
                onCategoryDeleteClicked: function(pIndex) {
                    screenEdit.askCategoryDelete(2, pIndex, myItemsRow.item_category);
                }
            }

            Behavior on opacity {
                NumberAnimation {
                    duration: Theme.duration
                    easing.type: Theme.easing
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
            onLeftClicked: {
                screenEdit.openItemDialog("newItem", -1, "", screenEdit.itemCategoryString, "",
                                          parseInt(ListDataModel.listCurrency), "", 0, "");
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
        objectName: "editMenu"
        open: screenEdit.state === "menu"
        onCloseClicked: screenEdit.state = ""

        ScreenMenuItem {
            objectName: "menuSortByProduct"
            label: qsTr("Sort by product") + ApplicationManager.nullString
            onItemClicked: {
                ListDataModel.sortByProduct(true);
                CategoriesDataModel.sortByProduct(true);
                screenEdit.state = "";
            }
        }

        ScreenMenuItem {
            objectName: "menuSortByCategory"
            label: qsTr("Sort by category") + ApplicationManager.nullString
            onItemClicked: {
                ListDataModel.sortByCategory(true);
                CategoriesDataModel.sortByCategory(true);
                screenEdit.state = "";
            }
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
            dialog.fill(screenEdit.itemIndex, screenEdit.itemNameString,
                        screenEdit.itemCategoryString, screenEdit.itemPriceString,
                        screenEdit.itemPriceUnitIndex, screenEdit.itemAmountString,
                        screenEdit.itemAmountUnitIndex, screenEdit.itemNoteString);
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
        opacity: 0
        winScale: 0.001
        onCancelClicked: screenEdit.state = ""
        onOkClicked: {
            screenEdit.state = "";
            if (queryType === 0) {
                CategoriesDataModel.deleteItem(queryIndex);
            } else if (queryType === 1) {
                ListDataModel.deleteCategory(queryIndex, true);
                ListDataModel.updateCountPrice();
            } else if (queryType === 2) {
                CategoriesDataModel.deleteCategory(queryIndex, true);
            }
        }
        onNoClicked: {
            screenEdit.state = "";
            if (queryType === 1) {
                ListDataModel.deleteCategory(queryIndex, false);
                ListDataModel.updateCountPrice();
            } else if (queryType === 2) {
                CategoriesDataModel.deleteCategory(queryIndex, false);
            }
        }
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
            name: "delete"

            PropertyChanges {
                target: screenDelete
                opacity: 1
                winScale: 1
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

    transitions: Transition {
        NumberAnimation {
            properties: "winScale"
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }
}
