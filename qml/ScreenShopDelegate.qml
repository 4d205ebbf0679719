import QtQuick

// One row of the shopping screen: an item that goes to the cart (or back) when
// tapped, with its edit and delete zones, or the header of a category group.
Item {
    id: shopDelegate

    required property int index
    required property string item_type
    required property string item_name
    required property string item_category
    required property string item_price
    required property string item_amount
    required property string item_amount_unit
    required property string item_note

    signal itemEditClicked(int index)
    signal itemClicked(int index)
    signal itemDeleteClicked(int index)

    width: parent ? parent.width : 800
    height: Theme.rowHeight

    // A tapped item fades its band out, a deleted one the whole row, before
    // the row is told; neither starts while the other runs.
    SequentialAnimation {
        id: fadeOut

        NumberAnimation {
            target: shopDelegate
            property: "opacity"
            to: 0
            duration: Theme.fadeDuration
            easing.type: Theme.easing
        }

        ScriptAction {
            script: shopDelegate.itemDeleteClicked(shopDelegate.index)
        }
    }

    SequentialAnimation {
        id: tickOut

        NumberAnimation {
            target: itemRow
            property: "opacity"
            to: 0
            duration: Theme.fadeDuration
            easing.type: Theme.easing
        }

        ScriptAction {
            script: shopDelegate.itemClicked(shopDelegate.index)
        }
    }

    ScreenItemRow {
        id: itemRow

        visible: shopDelegate.item_type === "item" && opacity > 0
        tappable: true
        onTapped: {
            if (!tickOut.running && !fadeOut.running)
                tickOut.start();
        }
        onEditClicked: shopDelegate.itemEditClicked(shopDelegate.index)
        onDeleteClicked: {
            if (!fadeOut.running && !tickOut.running)
                fadeOut.start();
        }

        ScreenItemTexts {
            margin: 0
            name: shopDelegate.item_name
            price: shopDelegate.item_price
            amount: shopDelegate.item_amount
            amountUnit: shopDelegate.item_amount_unit
            note: shopDelegate.item_note
        }
    }

    ScreenCategoryRow {
        visible: shopDelegate.item_type === "category"
        deletable: false
        category: shopDelegate.item_category
    }
}
