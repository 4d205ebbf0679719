import QtQuick

// One row of the list page: an item with its edit and delete buttons, or the
// header of a category group with its delete button.
Item {
    id: editDelegate

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
    signal itemDeleteClicked(int index)
    signal categoryDeleteClicked(int index)

    width: 800
    height: 70

    SequentialAnimation {
        id: fadeOut

        NumberAnimation {
            target: editDelegate
            property: "opacity"
            to: 0
            duration: 350
            easing.type: Easing.InOutQuart
        }

        ScriptAction {
            script: editDelegate.itemDeleteClicked(editDelegate.index)
        }
    }

    Rectangle {
        id: itemRect

        objectName: "itemRect"
        anchors.fill: parent
        anchors.margins: 2
        color: "#202020"
        radius: 20
        opacity: editDelegate.item_type === "item" ? 1 : 0
        visible: opacity > 0

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
                onClicked: editDelegate.itemEditClicked(editDelegate.index)
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
                    if (!fadeOut.running)
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
                anchors.leftMargin: 5
                anchors.right: amountText.left
                anchors.rightMargin: 5
                height: editDelegate.item_note === "" ? parent.height : parent.height / 2
                color: "#FFFFFF"
                font.pixelSize: 20
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: editDelegate.item_name
            }

            Text {
                id: amountText

                objectName: "itemAmountText"
                anchors.right: parent.right
                anchors.rightMargin: 5
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                text: editDelegate.item_amount === ""
                      ? ""
                      : editDelegate.item_amount + " "
                        + amountUnitsDataModel.measureName(parseInt(editDelegate.item_amount_unit))
                        + applicationManager.nullString
            }

            Text {
                objectName: "itemNoteText"
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.right: priceText.left
                anchors.rightMargin: 5
                y: parent.height / 2
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: editDelegate.item_note
            }

            Text {
                id: priceText

                objectName: "itemPriceText"
                anchors.right: parent.right
                anchors.rightMargin: 5
                y: parent.height / 2
                height: parent.height / 2
                color: "#A0A0FF"
                font.pixelSize: 15
                verticalAlignment: Text.AlignVCenter
                text: editDelegate.item_price === ""
                      ? ""
                      : editDelegate.item_price + " "
                        + currencyUnitsDataModel.currencySign(parseInt(listDataModel.listCurrency))
                        + "/"
                        + (editDelegate.item_amount_unit === ""
                           ? qsTr("item")
                           : amountUnitsDataModel.measureName(parseInt(editDelegate.item_amount_unit)))
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
        opacity: editDelegate.item_type === "category" ? 1 : 0
        visible: opacity > 0

        Text {
            objectName: "categoryText"
            anchors.fill: parent
            anchors.leftMargin: 70
            anchors.rightMargin: 70
            color: "#FFFFFF"
            font.bold: true
            font.pixelSize: 20
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: editDelegate.item_category === "\uF000"
                  ? qsTr("Uncategorised") + applicationManager.nullString
                  : editDelegate.item_category
        }

        Item {
            objectName: "categoryDeleteButton"
            anchors.right: parent.right
            width: 70
            height: parent.height
            opacity: categoryDeleteMouse.pressed ? 0.5 : 1

            Image {
                anchors.centerIn: parent
                width: 15
                height: 15
                smooth: true
                source: "qrc:/icons/icons/delete-button.png"
            }

            MouseArea {
                id: categoryDeleteMouse

                anchors.fill: parent
                onClicked: editDelegate.categoryDeleteClicked(editDelegate.index)
            }
        }
    }
}
