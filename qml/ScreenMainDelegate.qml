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

        ScreenItemTexts {
            kind: "list"
            name: screenMainDelegate.list_name
            note: screenMainDelegate.list_note
            amountText: qsTr("%n item(s)", "", parseInt(screenMainDelegate.items_list, 10) || 0)
                        + ApplicationManager.nullString
            priceText: screenMainDelegate.price_list === ""
                       ? ""
                       : screenMainDelegate.price_list + " "
                         + CurrencyUnitsDataModel.currencySign(parseInt(screenMainDelegate.price_unit, 10) || 0)
        }
    }
}
