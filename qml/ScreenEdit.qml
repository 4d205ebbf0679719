import QtQuick
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
    property real menuY: -menuFrame.height

    signal backClicked()
    signal shopModeClicked()

    function showName(pCategory) {
        return pCategory === "\uF000" ? qsTr("Uncategorised") : pCategory;
    }

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
        listDataModel.deleteItem(pIndex);
        listDataModel.updateCountPrice();
    }

    function askCategoryDelete(pKind, pIndex, pCategory) {
        screenDelete.queryType = pKind;
        screenDelete.queryIndex = pIndex;
        if (pCategory === "\uF000") {
            screenDelete.queryString = deleteMessage1;
            screenDelete.buttonNoOpacity = 0;
        } else {
            screenDelete.queryString = qsTr("Category") + " \"" + pCategory + "\" " + deleteMessage2;
            screenDelete.buttonNoOpacity = 1;
        }
        state = "delete";
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
        headerLabel1: listDataModel.listName
        headerLabel2: listDataModel.listNote
        headerLabel3: (pageList.opacity === 1 ? qsTr("list editing") : qsTr("my items"))
                      + applicationManager.nullString
        onButtonLeftClicked: applicationManager.showDashboard()
        onButtonMiddleClicked: screenEdit.state = "menu"
        onButtonRightClicked: {
            listDataModel.saveModel();
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

        Flickable {
            id: pageList

            objectName: "pageList"
            anchors.fill: parent
            clip: true
            contentWidth: width
            contentHeight: listColumn.height
            flickableDirection: Flickable.VerticalFlick
            opacity: screenEdit.myItemsShown ? 0 : screenEdit.opacity
            visible: opacity > 0

            Behavior on opacity {
                NumberAnimation {
                    duration: 450
                    easing.type: Easing.InOutQuart
                }
            }

            Column {
                id: listColumn

                width: pageList.width

                Repeater {
                    model: listDataModel

                    delegate: ScreenEditDelegate {
                        id: listRow

                        width: listColumn.width
                        onItemEditClicked: function(pIndex) {
                            screenEdit.openItemDialog("updateItem", pIndex, listRow.item_name,
                                                      listRow.item_category, listRow.item_price,
                                                      parseInt(listRow.item_price_unit),
                                                      listRow.item_amount,
                                                      parseInt(listRow.item_amount_unit),
                                                      listRow.item_note);
                        }
                        onItemDeleteClicked: function(pIndex) {
                            screenEdit.deleteListItem(pIndex);
                        }
                        onCategoryDeleteClicked: function(pIndex) {
                            screenEdit.askCategoryDelete(1, pIndex, listRow.item_category);
                        }
                    }
                }
            }
        }

        Flickable {
            id: pageMyItems

            objectName: "pageMyItems"
            anchors.fill: parent
            clip: true
            contentWidth: width
            contentHeight: myItemsColumn.height
            flickableDirection: Flickable.VerticalFlick
            opacity: screenEdit.myItemsShown ? 1 : 0
            visible: opacity > 0

            Behavior on opacity {
                NumberAnimation {
                    duration: 450
                    easing.type: Easing.InOutQuart
                }
            }

            Column {
                id: myItemsColumn

                width: pageMyItems.width

                Repeater {
                    model: categoriesDataModel

                    delegate: ScreenCategoriesDelegate {
                        id: myItemsRow

                        width: myItemsColumn.width
                        onItemEditClicked: function(pIndex) {
                            screenEdit.openItemDialog("updateItem", pIndex, myItemsRow.item_name,
                                                      myItemsRow.item_category,
                                                      myItemsRow.item_price,
                                                      parseInt(listDataModel.listCurrency),
                                                      myItemsRow.item_amount,
                                                      parseInt(myItemsRow.item_amount_unit),
                                                      myItemsRow.item_note);
                        }
                        onItemDeleteClicked: function(pIndex) {
                            screenDelete.queryType = 0;
                            screenDelete.queryIndex = pIndex;
                            screenDelete.queryString = qsTr("Item") + " \"" + myItemsRow.item_name
                                    + "\" " + qsTr("will be deleted. Continue?");
                            screenDelete.buttonNoOpacity = 0;
                            screenEdit.state = "delete";
                        }
                        onCategoryDeleteClicked: function(pIndex) {
                            screenEdit.askCategoryDelete(2, pIndex, myItemsRow.item_category);
                        }
                    }
                }
            }
        }
    }

    Item {
        id: footer

        anchors.bottom: parent.bottom
        width: parent.width
        height: 65
        clip: true

        // Buttons of the list page, with the summary tab between them. The bar of
        // the page being shown lies above the other one, which may still be
        // sliding out.
        Item {
            id: listButtons

            width: parent.width
            height: parent.height
            y: pageList.opacity > 0 ? 0 : height
            z: screenEdit.myItemsShown ? 0 : 1
            visible: y < height

            Behavior on y {
                NumberAnimation {
                    duration: 550
                    easing.type: Easing.InOutQuart
                }
            }

            ScreenButton {
                objectName: "buttonNewItem"
                anchors.left: parent.left
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("new item") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignLeft
                onButtonClicked: {
                    screenEdit.openItemDialog("newItem", -1, "", screenEdit.itemCategoryString, "",
                                              parseInt(listDataModel.listCurrency), "", 0, "");
                }
            }

            ScreenButton {
                objectName: "buttonMyItems"
                anchors.right: parent.right
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("my items") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignRight
                onButtonClicked: {
                    categoriesDataModel.clearSelection();
                    screenEdit.myItemsShown = true;
                }
            }

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 10
                width: parent.width / 3
                height: parent.height * 2
                radius: 60
                color: "#202020"
                border.color: "#808080"
                border.width: 1
                smooth: true

                MouseArea {
                    anchors.fill: parent
                }
            }

            Text {
                objectName: "editSummaryText"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.top
                anchors.topMargin: 5
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 15
                width: parent.width / 3
                color: "#FFFFFF"
                font.pixelSize: 14
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: (listDataModel.itemsPrice === ""
                       ? ""
                       : listDataModel.itemsPrice + " "
                         + currencyUnitsDataModel.currencySign(listDataModel.listCurrency) + "<br>")
                      + qsTr("%n item(s)", "", listDataModel.numberOfItems)
                      + applicationManager.nullString
            }
        }

        // Buttons of the My Items page.
        Item {
            id: myItemsButtons

            width: parent.width
            height: parent.height
            y: pageMyItems.opacity > 0 ? 0 : height
            z: screenEdit.myItemsShown ? 1 : 0
            visible: y < height

            Behavior on y {
                NumberAnimation {
                    duration: 550
                    easing.type: Easing.InOutQuart
                }
            }

            ScreenButton {
                objectName: "buttonCancelMyItems"
                anchors.left: parent.left
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("cancel") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignLeft
                onButtonClicked: screenEdit.myItemsShown = false
            }

            ScreenButton {
                objectName: "buttonAddSelected"
                anchors.right: parent.right
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("add selected") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignRight
                opacity: categoriesDataModel.selectedCount === 0 ? 0.5 : 1.0
                onButtonClicked: {
                    applicationManager.updateListItems();
                    listDataModel.updateCountPrice();
                    categoriesDataModel.clearSelection();
                    screenEdit.myItemsShown = false;
                }

                Behavior on opacity {
                    NumberAnimation {
                        duration: 250
                    }
                }
            }
        }
    }

    // Menu: a layer over the whole screen; a tap outside the entries closes it.
    MouseArea {
        id: menuLayer

        objectName: "editMenu"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onClicked: screenEdit.state = ""

        Behavior on opacity {
            NumberAnimation {
                duration: 450
                easing.type: Easing.InOutQuart
            }
        }

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 80
            width: parent.width - 140
            height: menuFrame.height
            clip: true

            Rectangle {
                id: menuFrame

                y: screenEdit.menuY
                width: parent.width
                height: menuColumn.height + 2
                color: "#A4B5D9"

                MouseArea {
                    anchors.fill: parent
                }

                Column {
                    id: menuColumn

                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 1
                    width: parent.width - 2
                    spacing: 1

                    ScreenMenuItem {
                        objectName: "menuSortByProduct"
                        width: parent.width
                        label: qsTr("Sort by product") + applicationManager.nullString
                        onItemClicked: {
                            listDataModel.sortByProduct(true);
                            categoriesDataModel.sortByProduct(true);
                            screenEdit.state = "";
                        }
                    }

                    ScreenMenuItem {
                        objectName: "menuSortByCategory"
                        width: parent.width
                        label: qsTr("Sort by category") + applicationManager.nullString
                        onItemClicked: {
                            listDataModel.sortByCategory(true);
                            categoriesDataModel.sortByCategory(true);
                            screenEdit.state = "";
                        }
                    }

                    Item {
                        width: parent.width
                        height: 2
                    }

                    ScreenMenuItem {
                        objectName: "menuEditListInfo"
                        width: parent.width
                        label: qsTr("Edit list info") + applicationManager.nullString
                        onItemClicked: screenEdit.state = "editListInfo"
                    }

                    Item {
                        width: parent.width
                        height: 2
                    }

                    ScreenMenuItem {
                        objectName: "menuGoShopping"
                        width: parent.width
                        label: qsTr("Go shopping") + applicationManager.nullString
                        onItemClicked: {
                            screenEdit.state = "";
                            screenEdit.shopModeClicked();
                        }
                    }
                }
            }
        }
    }

    // The item dialog, for a new item and for updating one.
    Loader {
        id: itemDialog

        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onStatusChanged: {
            if (status === Loader.Null)
                opacity = 0;
        }
        onLoaded: {
            applicationManager.setInputHints();
            item.screenHeaderString = (screenEdit.state === "newItem" ? qsTr("New item")
                                                                       : qsTr("Update item"))
                    + applicationManager.nullString;
            item.itemIndex = screenEdit.itemIndex;
            item.itemNameString = screenEdit.itemNameString;
            item.itemCategoryString = screenEdit.showName(screenEdit.itemCategoryString);
            item.itemPriceString = screenEdit.itemPriceString;
            item.itemPriceUnitIndex = screenEdit.itemPriceUnitIndex;
            item.itemAmountString = screenEdit.itemAmountString;
            item.itemAmountUnitIndex = screenEdit.itemAmountUnitIndex;
            item.itemNoteString = screenEdit.itemNoteString;
            opacity = 1;
        }

        Connections {
            target: itemDialog.item
            ignoreUnknownSignals: true

            function onCancelClicked() {
                screenEdit.state = "";
            }

            function onCreateClicked() {
                const dialog = itemDialog.item;
                if (screenEdit.state === "newItem") {
                    applicationManager.addItem(0, dialog.itemNameString, dialog.itemCategoryString,
                                               dialog.itemPriceString, dialog.itemAmountString,
                                               dialog.itemAmountUnitIndex, dialog.itemNoteString);
                    screenEdit.itemCategoryString = dialog.itemCategoryString;
                } else {
                    applicationManager.updateItem(pageList.opacity === 1 ? 0 : 1,
                                                  screenEdit.itemIndex, dialog.itemNameString,
                                                  dialog.itemCategoryString,
                                                  dialog.itemPriceString,
                                                  dialog.itemAmountString,
                                                  dialog.itemAmountUnitIndex,
                                                  dialog.itemNoteString);
                }
                listDataModel.updateCountPrice();
                screenEdit.state = "";
            }
        }
    }

    // The list information sheet of the lists screen, reused for the open list.
    Loader {
        id: listInfoDialog

        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onStatusChanged: {
            if (status === Loader.Null)
                opacity = 0;
        }
        onLoaded: {
            currencyUnitsDataModel.setCurrentCurrency(listDataModel.listCurrency);
            item.listNameString = listDataModel.listName;
            item.listCurrencyUnitIndex = listDataModel.listCurrency;
            item.listNoteString = listDataModel.listNote;
            opacity = 1;
        }

        Connections {
            target: listInfoDialog.item
            ignoreUnknownSignals: true

            function onCancelClicked() {
                screenEdit.state = "";
            }

            function onCreateClicked() {
                const sheet = listInfoDialog.item;
                listDataModel.updateModelInfo(sheet.listNameString, sheet.listCurrencyUnitIndex,
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
        visible: opacity > 0
        winScale: 0.001
        onCancelClicked: screenEdit.state = ""
        onOkClicked: {
            screenEdit.state = "";
            if (queryType === 0) {
                categoriesDataModel.deleteItem(queryIndex);
            } else if (queryType === 1) {
                listDataModel.deleteCategory(queryIndex, true);
                listDataModel.updateCountPrice();
            } else if (queryType === 2) {
                categoriesDataModel.deleteCategory(queryIndex, true);
            }
        }
        onNoClicked: {
            screenEdit.state = "";
            if (queryType === 1) {
                listDataModel.deleteCategory(queryIndex, false);
                listDataModel.updateCountPrice();
            } else if (queryType === 2) {
                categoriesDataModel.deleteCategory(queryIndex, false);
            }
        }
    }

    states: [
        State {
            name: "menu"

            PropertyChanges {
                target: menuLayer
                opacity: 1
            }

            PropertyChanges {
                target: screenEdit
                menuY: 0
            }
        },
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
            properties: "winScale,menuY"
            duration: 450
            easing.type: Easing.InOutQuart
        }
    }
}
