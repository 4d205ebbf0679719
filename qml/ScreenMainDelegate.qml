import QtQuick

// One stored list on the lists screen: edit zone, summary, delete zone.
Item {
    id: screenMainDelegate

    signal itemClicked(int index)
    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)

    width: 800
    height: 70

    Rectangle {
        id: rowBackground

        anchors.fill: parent
        anchors.margins: 2
        radius: 20
        color: rowArea.pressed ? "#404040" : "#202020"

        MouseArea {
            id: rowArea

            anchors.fill: parent
            onClicked: screenMainDelegate.itemClicked(index)
        }

        Item {
            id: editZone

            objectName: "listEditZone"
            anchors.left: parent.left
            width: 70
            height: parent.height
            opacity: editArea.pressed ? 0.5 : 1

            Image {
                anchors.centerIn: parent
                source: "qrc:/icons/icons/edit-button.png"
            }

            MouseArea {
                id: editArea

                anchors.fill: parent
                onClicked: screenMainDelegate.itemEditClicked(index)
            }
        }

        Item {
            id: deleteZone

            objectName: "listDeleteZone"
            anchors.right: parent.right
            width: 70
            height: parent.height
            opacity: deleteArea.pressed ? 0.5 : 1

            Image {
                anchors.centerIn: parent
                source: "qrc:/icons/icons/delete-button.png"
            }

            MouseArea {
                id: deleteArea

                anchors.fill: parent
                onClicked: screenMainDelegate.itemDeleteClicked(index)
            }
        }

        Item {
            id: information

            anchors.left: editZone.right
            anchors.right: deleteZone.left
            height: parent.height

            Text {
                id: nameText

                objectName: "listNameText"
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.right: countText.left
                anchors.rightMargin: 5
                anchors.top: parent.top
                height: list_note === "" ? parent.height : parent.height / 2
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                color: "#FFFFFF"
                font.pixelSize: 20
                text: list_name
            }

            Text {
                id: countText

                objectName: "listCountText"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.top: parent.top
                height: parent.height / 2
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                color: "#A0A0FF"
                font.pixelSize: 15
                text: qsTr("%n item(s)", "", parseInt(items_list, 10) || 0) + applicationManager.nullString
            }

            Text {
                id: noteText

                objectName: "listNoteText"
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.right: priceText.left
                anchors.rightMargin: 5
                anchors.bottom: parent.bottom
                height: parent.height / 2
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                color: "#A0A0FF"
                font.pixelSize: 15
                text: list_note
            }

            Text {
                id: priceText

                objectName: "listPriceText"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.bottom: parent.bottom
                height: parent.height / 2
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                color: "#A0A0FF"
                font.pixelSize: 15
                text: price_list === "" ? ""
                                        : price_list + " "
                                          + currencyUnitsDataModel.currencySign(parseInt(price_unit, 10) || 0)
            }
        }
    }
}
