import QtQuick
import qml

// One stored list on the lists screen: edit zone, summary, delete zone.
Item {
    id: screenMainDelegate

    required property int index
    required property string list_name
    required property string list_note
    required property string items_list
    required property string price_list
    required property string price_unit

    signal itemClicked(int index)
    signal itemEditClicked(int index)
    signal itemDeleteClicked(int index)

    width: parent ? parent.width : 800
    height: Theme.rowHeight

    ScreenItemRow {
        tappable: true
        onTapped: screenMainDelegate.itemClicked(screenMainDelegate.index)
        onEditClicked: screenMainDelegate.itemEditClicked(screenMainDelegate.index)
        onDeleteClicked: screenMainDelegate.itemDeleteClicked(screenMainDelegate.index)

        Text {
            objectName: "listNameText"
            anchors.left: parent.left
            anchors.leftMargin: 5
            anchors.right: countText.left
            anchors.rightMargin: 5
            anchors.top: parent.top
            height: screenMainDelegate.list_note === "" ? parent.height : parent.height / 2
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: Theme.text
            font.pixelSize: Theme.fontText
            text: screenMainDelegate.list_name
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
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
            text: qsTr("%n item(s)", "", parseInt(screenMainDelegate.items_list, 10) || 0)
                  + ApplicationManager.nullString
        }

        Text {
            objectName: "listNoteText"
            anchors.left: parent.left
            anchors.leftMargin: 5
            anchors.right: priceText.left
            anchors.rightMargin: 5
            anchors.bottom: parent.bottom
            height: parent.height / 2
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
            text: screenMainDelegate.list_note
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
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
            text: screenMainDelegate.price_list === ""
                  ? ""
                  : screenMainDelegate.price_list + " "
                    + CurrencyUnitsDataModel.currencySign(parseInt(screenMainDelegate.price_unit, 10) || 0)
        }
    }
}
