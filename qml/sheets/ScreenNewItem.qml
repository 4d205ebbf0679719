pragma ComponentBehavior: Bound
import QtQuick
import Pantrix

// The form for one item: name, category, price, amount with its unit and note,
// with a picker for the category and one for the amount unit. The host fills
// the form, shows it and reads the fields back on createClicked().
ScreenForm {
    id: screenNewItem

    property string screenHeaderString: ""
    property int itemIndex: -1
    property alias itemNameString: nameField.text
    property alias itemCategoryString: categoryField.text
    property alias itemPriceString: priceField.text
    property int itemPriceUnitIndex: 0
    property alias itemAmountString: amountField.text
    property int itemAmountUnitIndex: 0
    property alias itemNoteString: noteField.text
    // My Items' entries for the name as typed, as ApplicationManager.suggestItems()
    // gives them.
    property var suggestions: []

    // Fills the form from an item's fields as ApplicationManager.openItem()
    // or a suggestion gives them (a suggestion keeps the list's currency).
    function fill(pItem) {
        itemNameString = pItem.name;
        itemCategoryString = pItem.category;
        itemPriceString = pItem.price;
        if (pItem.priceUnit !== undefined)
            itemPriceUnitIndex = pItem.priceUnit;
        itemAmountString = pItem.amount;
        itemAmountUnitIndex = pItem.amountUnit;
        itemNoteString = pItem.note;
        suggestions = [];
    }

    // The form's fields as ApplicationManager.saveItem() takes them.
    function fields(): var {
        return {name: itemNameString, category: itemCategoryString, price: itemPriceString,
                amount: itemAmountString, amountUnit: itemAmountUnitIndex, note: itemNoteString};
    }

    firstField: nameField
    form.objectName: "pageNewItem"
    form.height: Math.min(Theme.titleHeight + Theme.gap + fields.height
                          + fieldsView.anchors.bottomMargin, parent.height)
    form.title: screenHeaderString
    form.inset: 1
    form.okName: "newItemOk"
    form.okOpacity: nameField.text === "" ? Theme.inactiveOpacity : 1
    // A picker opens in place of the form, and has the keys.
    onStateChanged: {
        if (state === "categoriesList")
            categoryPicker.offer();
        else if (state === "amountUnitsList")
            unitPicker.takeKeys();
    }

    formContent: [
        // On a window too short for every field, the fields scroll.
        Flickable {
            id: fieldsView

            anchors.fill: parent
            anchors.topMargin: Theme.titleHeight + Theme.gap
            anchors.bottomMargin: Theme.gap + Theme.buttonBarHeight + Theme.margin
            contentWidth: width
            contentHeight: fields.height
            boundsBehavior: Flickable.StopAtBounds
            interactive: contentHeight > height
            clip: true

            // A field that takes the focus (by Tab) is scrolled into view.
            Connections {
                target: fieldsView.Window.window

                function onActiveFocusItemChanged() {
                    let row = fieldsView.Window.activeFocusItem;
                    while (row && row.parent !== fields)
                        row = row.parent;
                    if (row)
                        fieldsView.contentY = Math.max(Math.min(fieldsView.contentY, row.y),
                                                       row.y + row.height - fieldsView.height);
                }
            }

            Column {
                id: fields

                x: Theme.gap
                width: fieldsView.width - 2 * Theme.gap
                spacing: Theme.gap

                ScreenFormRow {
                    id: nameField

                    label: qsTr("Name")
                    inputName: "nameInput"
                    onEdited: screenNewItem.suggestions = ApplicationManager.suggestItems(text)
                }

                Repeater {
                    model: screenNewItem.suggestions

                    delegate: ScreenSuggestion {
                        required property var modelData

                        x: Theme.labelWidth
                        width: fields.width - Theme.labelWidth
                        name: modelData.name
                        detail: [modelData.category, modelData.price].filter(Boolean).join(" · ")
                        onActivated: {
                            screenNewItem.fill(modelData);
                            nameField.focusInput();
                        }
                    }
                }

                ScreenFormRow {
                    id: categoryField

                    label: qsTr("Category")
                    inputName: "categoryInput"
                    besideEnd: true

                    ScreenFieldEnd {
                        objectName: "categoryButton"
                        text: "..."
                        label.font.bold: true
                        label.font.pixelSize: Theme.fontText
                        Accessible.name: qsTr("Choose category")
                        onClicked: screenNewItem.openChooser("categoriesList")
                    }
                }

                ScreenFormRow {
                    id: priceField

                    label: qsTr("Price")
                    inputName: "priceInput"
                    decimals: 2
                    besideEnd: true

                    ScreenFieldEnd {
                        button: false
                        label.objectName: "priceUnitLabel"
                        text: CurrencyUnitsDataModel.currencySign(screenNewItem.itemPriceUnitIndex) + "/"
                              + unitEnd.text
                    }
                }

                ScreenFormRow {
                    id: amountField

                    label: qsTr("Amount")
                    inputName: "amountInput"
                    decimals: 3
                    besideEnd: true

                    ScreenFieldEnd {
                        id: unitEnd

                        objectName: "amountUnitButton"
                        label.objectName: "amountUnitLabel"
                        Accessible.name: qsTr("Choose unit") + ": " + text
                        text: AmountUnitsDataModel.names[screenNewItem.itemAmountUnitIndex] ?? ""
                        onClicked: screenNewItem.openChooser("amountUnitsList")
                    }
                }

                ScreenFormRow {
                    id: noteField

                    label: qsTr("Note")
                }
            }
        }
    ]

    // The categories of My Items and of the open list, the field's own
    // highlighted when it is among them.
    ScreenChooser {
        id: categoryPicker

        property list<string> choices

        // Called as the picker opens.
        function offer() {
            choices = ApplicationManager.categoryChoices();
            currentIndex = Math.max(0, choices.indexOf(screenNewItem.itemCategoryString));
            list.positionViewAtIndex(currentIndex, ListView.Contain);
            takeKeys();
        }

        objectName: "pageCategories"
        anchors.fill: screenNewItem.form
        opacity: screenNewItem.state === "categoriesList" ? 1 : 0
        inset: 1
        title: qsTr("Choose category")
        listName: "categoriesList"
        okName: "categoriesOk"
        model: choices
        rowText: function(pRow) {
            return categoryPicker.choices[pRow];
        }
        delegate: ScreenChooserRow {
            required property string modelData

            text: modelData
        }
        onCancelClicked: screenNewItem.closeChooser()
        onOkClicked: {
            screenNewItem.itemCategoryString = currentIndex >= 0 && currentIndex < choices.length
                    ? choices[currentIndex] : "";
            screenNewItem.closeChooser();
        }
    }

    ScreenChooser {
        id: unitPicker

        objectName: "pageAmountUnits"
        anchors.fill: screenNewItem.form
        opacity: screenNewItem.state === "amountUnitsList" ? 1 : 0
        inset: 1
        title: qsTr("Choose unit")
        listName: "unitsList"
        model: AmountUnitsDataModel
        delegate: ScreenChooserRow {
            required property string measure_name

            text: measure_name
        }
        onCancelClicked: screenNewItem.closeChooser()
        onOkClicked: {
            if (unitPicker.currentIndex >= 0)
                screenNewItem.itemAmountUnitIndex = unitPicker.currentIndex;
            screenNewItem.closeChooser();
        }
    }
}
