import QtQuick
import qml

// One row of the My Items page: a catalogue entry that toggles its selection
// when tapped, with its edit and delete zones, or the header of a category
// group with its delete zone.
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

    width: parent ? parent.width : 800
    height: Theme.rowHeight

    ScreenItemRow {
        visible: categoriesDelegate.item_type === "item"
        tappable: true
        color: pressed ? Theme.rowPressed
                       : categoriesDelegate.item_status === "checked" ? Theme.rowSelected : Theme.row
        onTapped: CategoriesDataModel.toggleItem(categoriesDelegate.index)
        onEditClicked: categoriesDelegate.itemEditClicked(categoriesDelegate.index)
        onDeleteClicked: categoriesDelegate.itemDeleteClicked(categoriesDelegate.index)

        Text {
            objectName: "itemNameText"
            anchors.fill: parent
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: Theme.text
            font.pixelSize: Theme.fontText
            text: categoriesDelegate.item_name
        }
    }

    ScreenCategoryRow {
        visible: categoriesDelegate.item_type === "category"
        category: categoriesDelegate.item_category
        onDeleteClicked: categoriesDelegate.categoryDeleteClicked(categoriesDelegate.index)
    }
}
