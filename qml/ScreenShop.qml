import QtQuick
import "ScreenKeys.js" as ScreenKeys

// The shopping screen: the items still to take (list view) or already taken
// (cart view); a tap moves an item between them, and when the list view runs
// empty the checkout window offers to delete the list.
Item {
    id: screenShop

    // Scratch copy of the item being updated.
    property int itemIndex: -1
    property string itemNameString: ""
    property string itemCategoryString: ""
    property string itemPriceString: ""
    property int itemPriceUnitIndex: 0
    property string itemAmountString: ""
    property int itemAmountUnitIndex: 0
    property string itemNoteString: ""

    property real menuY: -menuFrame.height

    signal backClicked()
    signal editModeClicked()

    // These run in the screen's scope: the row that asked is destroyed when the
    // model removes it.
    function deleteItem(pIndex) {
        listDataModel.deleteItem(pIndex);
        listDataModel.updateCountPrice();
    }

    function tickItem(pIndex) {
        listDataModel.toggleItem(pIndex);
        listDataModel.updateCountPrice();
        if (listDataModel.needsCheckout()) {
            checkout.cartItemsCount = listDataModel.cartItemsAmount();
            checkout.cartItemsPrice = listDataModel.cartItemsPrice();
            checkout.cartItemsPriceUnit =
                    currencyUnitsDataModel.currencySign(parseInt(listDataModel.listCurrency));
            state = "checkout";
        }
    }

    function switchView(pToList) {
        if (switchAnimation.running)
            return;
        switchAnimation.toList = pToList;
        switchAnimation.start();
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
        ScreenKeys.screenKeyPressed(screenShop, rows, event, header.buttonRightClicked);
    }

    ScreenHeader {
        id: header

        objectName: "shopHeader"
        width: parent.width
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/back-button.png"
        headerLabel1: listDataModel.listName
        headerLabel2: listDataModel.listNote
        headerLabel3: qsTr("shopping") + " - "
                      + (listDataModel.isDisplayList ? qsTr("list") : qsTr("cart"))
                      + applicationManager.nullString
        onButtonLeftClicked: applicationManager.showDashboard()
        onButtonMiddleClicked: screenShop.state = "menu"
        onButtonRightClicked: {
            listDataModel.saveModel();
            screenShop.backClicked();
        }
    }

    Flickable {
        id: rows

        objectName: "shopRows"
        anchors.top: header.bottom
        anchors.topMargin: 5
        anchors.bottom: footer.top
        anchors.bottomMargin: 5
        width: parent.width
        clip: true
        contentWidth: width
        contentHeight: rowsColumn.height
        flickableDirection: Flickable.VerticalFlick
        visible: opacity > 0

        Column {
            id: rowsColumn

            width: rows.width

            Repeater {
                model: listDataModel

                delegate: ScreenShopDelegate {
                    id: shopRow

                    width: rowsColumn.width
                    onItemClicked: function(pIndex) {
                        screenShop.tickItem(pIndex);
                    }
                    onItemEditClicked: function(pIndex) {
                        screenShop.itemIndex = pIndex;
                        screenShop.itemNameString = shopRow.item_name;
                        screenShop.itemCategoryString = shopRow.item_category;
                        screenShop.itemPriceString = shopRow.item_price;
                        screenShop.itemPriceUnitIndex = parseInt(shopRow.item_price_unit);
                        screenShop.itemAmountString = shopRow.item_amount;
                        const unit = parseInt(shopRow.item_amount_unit);
                        screenShop.itemAmountUnitIndex = isNaN(unit) ? 0 : unit;
                        screenShop.itemNoteString = shopRow.item_note;
                        screenShop.state = "updateItem";
                    }
                    onItemDeleteClicked: function(pIndex) {
                        screenShop.deleteItem(pIndex);
                    }
                }
            }
        }
    }

    SequentialAnimation {
        id: switchAnimation

        property bool toList: true

        NumberAnimation {
            target: rows
            property: "opacity"
            to: 0
            duration: 250
            easing.type: Easing.InQuart
        }

        ScriptAction {
            script: {
                if (switchAnimation.toList)
                    listDataModel.displayList(true);
                else
                    listDataModel.displayCart(true);
                listDataModel.updateCountPrice();
            }
        }

        NumberAnimation {
            target: rows
            property: "opacity"
            to: 1
            duration: 250
            easing.type: Easing.OutQuart
        }
    }

    Item {
        id: footer

        anchors.bottom: parent.bottom
        width: parent.width
        height: 65
        clip: true

        Item {
            id: buttonBar

            width: parent.width
            height: parent.height
            y: screenShop.opacity === 1 ? 0 : height
            visible: y < height

            Behavior on y {
                NumberAnimation {
                    duration: 550
                    easing.type: Easing.InOutQuart
                }
            }

            ScreenButton {
                objectName: "buttonList"
                anchors.left: parent.left
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("list") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignLeft
                opacity: listDataModel.isDisplayList ? 0.5 : 1
                onButtonClicked: screenShop.switchView(true)
            }

            ScreenButton {
                objectName: "buttonCart"
                anchors.right: parent.right
                width: parent.width / 2 - 0.5
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("cart") + applicationManager.nullString
                buttonLabelAlignment: Text.AlignRight
                opacity: listDataModel.isDisplayList ? 1 : 0.5
                onButtonClicked: screenShop.switchView(false)
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
                objectName: "shopSummaryText"
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
    }

    // Menu: a layer over the whole screen; a tap outside the entries closes it.
    MouseArea {
        id: menuLayer

        objectName: "shopMenu"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onClicked: screenShop.state = ""

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

                y: screenShop.menuY
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
                            screenShop.state = "";
                        }
                    }

                    ScreenMenuItem {
                        objectName: "menuSortByCategory"
                        width: parent.width
                        label: qsTr("Sort by category") + applicationManager.nullString
                        onItemClicked: {
                            listDataModel.sortByCategory(true);
                            categoriesDataModel.sortByCategory(true);
                            screenShop.state = "";
                        }
                    }

                    Item {
                        width: parent.width
                        height: 5
                    }

                    ScreenMenuItem {
                        objectName: "menuEditList"
                        width: parent.width
                        label: qsTr("Edit list") + applicationManager.nullString
                        onItemClicked: {
                            screenShop.state = "";
                            screenShop.editModeClicked();
                        }
                    }
                }
            }
        }
    }

    ScreenCheckout {
        id: checkout

        objectName: "checkout"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        winScale: 0.001
        onCancelClicked: screenShop.state = ""
        onOkClicked: {
            screenShop.state = "";
            applicationManager.deleteList(listDataModel.listFileName());
            screenShop.backClicked();
        }
    }

    // The item dialog, for updating an item.
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
            item.screenHeaderString = qsTr("Update item") + applicationManager.nullString;
            item.itemIndex = screenShop.itemIndex;
            item.itemNameString = screenShop.itemNameString;
            item.itemCategoryString = screenShop.itemCategoryString === "\uF000"
                    ? qsTr("Uncategorised") : screenShop.itemCategoryString;
            item.itemPriceString = screenShop.itemPriceString;
            item.itemPriceUnitIndex = screenShop.itemPriceUnitIndex;
            item.itemAmountString = screenShop.itemAmountString;
            item.itemAmountUnitIndex = screenShop.itemAmountUnitIndex;
            item.itemNoteString = screenShop.itemNoteString;
            opacity = 1;
        }

        Connections {
            target: itemDialog.item
            ignoreUnknownSignals: true

            function onCancelClicked() {
                screenShop.state = "";
            }

            function onCreateClicked() {
                const dialog = itemDialog.item;
                applicationManager.updateItem(0, screenShop.itemIndex, dialog.itemNameString,
                                              dialog.itemCategoryString, dialog.itemPriceString,
                                              dialog.itemAmountString, dialog.itemAmountUnitIndex,
                                              dialog.itemNoteString);
                listDataModel.updateCountPrice();
                screenShop.state = "";
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
                target: screenShop
                menuY: 0
            }
        },
        State {
            name: "checkout"

            PropertyChanges {
                target: checkout
                opacity: 1
                winScale: 1
            }
        },
        State {
            name: "updateItem"

            PropertyChanges {
                target: itemDialog
                source: "qrc:/qml/qml/ScreenNewItem.qml"
            }
        }
    ]

    transitions: Transition {
        NumberAnimation {
            properties: "winScale,menuY"
            duration: 350
            easing.type: Easing.InOutQuart
        }
    }
}
