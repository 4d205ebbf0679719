import QtQuick

// One row of the My Items page: a catalogue entry that toggles its selection
// when tapped, with edit and delete buttons, or the header of a category group.
Item {
    id: categoriesDelegate

    required property int index
    required property string item_type
    required property string item_name
    required property string item_category
    required property string item_price
    required property string item_amount
    required property string item_amount_unit
    required property string item_note
    required property string item_status

    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)
    signal categoryDeleteClicked(int index)

    width: 800
    height: 70

    Rectangle {
        id: itemRect

        objectName: "itemRect"
        anchors.fill: parent
        anchors.margins: 2
        color: itemMouse.pressed
               ? "#404040"
               : (categoriesDelegate.item_status === "checked" ? "#606060" : "#202020")
        radius: 20
        opacity: categoriesDelegate.item_type === "item" ? 1 : 0
        visible: opacity > 0

        MouseArea {
            id: itemMouse

            anchors.fill: parent
            onClicked: categoriesDataModel.toggleItem(categoriesDelegate.index)
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
                onClicked: categoriesDelegate.itemEditClicked(categoriesDelegate.index)
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
                onClicked: categoriesDelegate.itemDeleteClicked(categoriesDelegate.index)
            }
        }

        Text {
            objectName: "itemNameText"
            anchors.left: editButton.right
            anchors.right: deleteButton.left
            height: parent.height
            color: "#FFFFFF"
            font.pixelSize: 20
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: categoriesDelegate.item_name
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
        opacity: categoriesDelegate.item_type === "category" ? 1 : 0
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
            text: categoriesDelegate.item_category === "\uF000"
                  ? qsTr("Uncategorised") + applicationManager.nullString
                  : categoriesDelegate.item_category
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
                onClicked: categoriesDelegate.categoryDeleteClicked(categoriesDelegate.index)
            }
        }
    }
}
