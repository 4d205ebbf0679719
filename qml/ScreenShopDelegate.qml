import QtQuick

// One row of the shopping screen: an item that goes to the cart (or back) when
// tapped, with its edit and delete buttons, or the header of a category group.
Item {
    id: shopDelegate

    required property int index
    required property string item_type
    required property string item_name
    required property string item_category
    required property string item_price
    required property string item_price_unit
    required property string item_amount
    required property string item_amount_unit
    required property string item_note

    signal itemEditClicked(int index)
    signal itemClicked(int index)
    signal itemDeleteClicked(int index)

    // Fades the item's rectangle out before it leaves the view.
    property real tickOpacity: 1

    width: 800
    height: 70

    SequentialAnimation {
        id: fadeOut

        NumberAnimation {
            target: shopDelegate
            property: "opacity"
            to: 0
            duration: 350
            easing.type: Easing.InOutQuart
        }

        ScriptAction {
            script: shopDelegate.itemDeleteClicked(shopDelegate.index)
        }
    }

    SequentialAnimation {
        id: tickOut

        NumberAnimation {
            target: shopDelegate
            property: "tickOpacity"
            to: 0
            duration: 350
            easing.type: Easing.InOutQuart
        }

        ScriptAction {
            script: shopDelegate.itemClicked(shopDelegate.index)
        }
    }

    Rectangle {
        id: itemRect

        objectName: "itemRect"
        anchors.fill: parent
        anchors.margins: 2
        color: itemMouse.pressed ? "#404040" : "#202020"
        radius: 20
        opacity: (shopDelegate.item_type === "item" ? 1 : 0) * shopDelegate.tickOpacity
        visible: opacity > 0

        MouseArea {
            id: itemMouse

            anchors.fill: parent
            onClicked: {
                if (!tickOut.running && !fadeOut.running)
                    tickOut.start();
            }
        }

        Item {
            id: editButton

            objectName: "itemEditButton"
            anchors.left: parent.left
            width: 70
            height: parent.height
            opacity: editMouse.pressed ? 0.5 : 1

            Image {
                anchors.centerIn: parent
                source: "qrc:/icons/icons/edit-button.png"
            }

            MouseArea {
                id: editMouse

                anchors.fill: parent
                onClicked: shopDelegate.itemEditClicked(shopDelegate.index)
            }
        }

        Item {
            id: deleteButton

            objectName: "itemDeleteButton"
            anchors.right: parent.right
            width: 70
            height: parent.height
            opacity: deleteMouse.pressed ? 0.5 : 1

            Image {
                anchors.centerIn: parent
                source: "qrc:/icons/icons/delete-button.png"
            }

            MouseArea {
                id: deleteMouse

                anchors.fill: parent
                onClicked: {
                    if (!fadeOut.running && !tickOut.running)
                        fadeOut.start();
                }
            }
        }

        Item {
            anchors.left: editButton.right
            anchors.right: deleteButton.left
            height: parent.height

            Text {
                id: nameText

                objectName: "itemNameText"
                anchors.left: parent.left
                anchors.right: amountText.left
                anchors.rightMargin: 5
                height: shopDelegate.item_note === "" ? parent.height : parent.height / 2
                color: "#FFFFFF"
                font.pixelSize: 20
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: shopDelegate.item_name
            }

            Text {
                id: amountText

                objectName: "itemAmountText"
                anchors.right: parent.right
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                text: shopDelegate.item_amount === ""
                      ? ""
                      : shopDelegate.item_amount + " "
                        + amountUnitsDataModel.measureName(parseInt(shopDelegate.item_amount_unit))
                        + applicationManager.nullString
            }

            Text {
                objectName: "itemNoteText"
                anchors.left: parent.left
                anchors.right: priceText.left
                anchors.rightMargin: 5
                y: parent.height / 2
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: shopDelegate.item_note
            }

            Text {
                id: priceText

                objectName: "itemPriceText"
                anchors.right: parent.right
                y: parent.height / 2
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                text: shopDelegate.item_price === ""
                      ? ""
                      : shopDelegate.item_price + " "
                        + currencyUnitsDataModel.currencySign(parseInt(listDataModel.listCurrency))
                        + "/"
                        + (shopDelegate.item_amount_unit === ""
                           ? qsTr("item")
                           : amountUnitsDataModel.measureName(parseInt(shopDelegate.item_amount_unit)))
                        + applicationManager.nullString
            }
        }
    }

    Rectangle {
        id: categoryRect

        objectName: "categoryRect"
        anchors.fill: parent
        anchors.leftMargin: 2
        anchors.rightMargin: 2
        anchors.topMargin: 10
        anchors.bottomMargin: 10
        color: "#647599"
        radius: 10
        opacity: shopDelegate.item_type === "category" ? 1 : 0
        visible: opacity > 0

        Text {
            objectName: "categoryText"
            anchors.fill: parent
            color: "#FFFFFF"
            font.bold: true
            font.pixelSize: 20
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: shopDelegate.item_category === "\uF000"
                  ? qsTr("Uncategorised") + applicationManager.nullString
                  : shopDelegate.item_category
        }
    }
}
