import QtQuick
import qml

// The form for one item: name, category, price, amount with its unit and note,
// with a picker for the category and one for the amount unit. The host fills
// the form, shows it and reads the fields back on createClicked().
Item {
    id: screenNewItem

    property alias screenHeaderString: form.title
    property int itemIndex: -1
    property alias itemNameString: nameField.text
    property alias itemCategoryString: categoryField.text
    property alias itemPriceString: priceField.text
    property int itemPriceUnitIndex: 0
    property alias itemAmountString: amountField.text
    property int itemAmountUnitIndex: 0
    property alias itemNoteString: noteField.text

    signal cancelClicked()
    signal createClicked()

    // Fills the form from the scratch copy of pHost, the editing or shopping
    // screen; the uncategorised marker shows as the word.
    function fill(pHost) {
        ApplicationManager.setInputHints();
        itemIndex = pHost.itemIndex;
        itemNameString = pHost.itemNameString;
        itemCategoryString = pHost.itemCategoryString === "\uF000" ? qsTr("Uncategorised")
                                                                   : pHost.itemCategoryString;
        itemPriceString = pHost.itemPriceString;
        itemPriceUnitIndex = pHost.itemPriceUnitIndex;
        itemAmountString = pHost.itemAmountString;
        itemAmountUnitIndex = pHost.itemAmountUnitIndex;
        itemNoteString = pHost.itemNoteString;
    }

    // Back on the form from a picker, the form has the keys again.
    function closePicker() {
        state = "";
        form.dropFocus();
    }

    // The dialog opens ready for typing the name.
    onVisibleChanged: {
        if (visible)
            nameField.focusInput();
    }

    ScreenShade {
        onClicked: {
            form.dropFocus();
            screenNewItem.cancelClicked();
        }
    }

    ScreenSheet {
        id: form

        objectName: "pageNewItem"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        height: Math.min(Theme.titleHeight + 5 + fields.height + fieldsView.anchors.bottomMargin,
                         parent.height)
        inset: 1
        okName: "newItemOk"
        okOpacity: nameField.text === "" ? Theme.inactiveOpacity : 1
        onCancelClicked: screenNewItem.cancelClicked()
        onOkClicked: screenNewItem.createClicked()

        // On a window too short for every field, the fields scroll.
        Flickable {
            id: fieldsView

            anchors.fill: parent
            anchors.topMargin: Theme.titleHeight + 5
            anchors.bottomMargin: 5 + Theme.buttonBarHeight + 10
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

                x: 5
                width: fieldsView.width - 10
                spacing: 5

                ScreenFormRow {
                    id: nameField

                    label: qsTr("Name") + ApplicationManager.nullString
                    inputName: "nameInput"
                }

                ScreenFormRow {
                    id: categoryField

                    label: qsTr("Category") + ApplicationManager.nullString
                    inputName: "categoryInput"
                    besideEnd: true

                    ScreenFieldEnd {
                        objectName: "categoryButton"
                        text: "..."
                        label.font.bold: true
                        label.font.pixelSize: Theme.fontText
                        Accessible.name: qsTr("Choose category") + ApplicationManager.nullString
                        onClicked: {
                            form.dropFocus();
                            screenNewItem.state = "categoriesList";
                        }
                    }
                }

                ScreenFormRow {
                    id: priceField

                    label: qsTr("Price") + ApplicationManager.nullString
                    inputName: "priceInput"
                    besideEnd: true
                    validator: ScreenNumberValidator {
                        decimals: 2
                    }

                    ScreenFieldEnd {
                        button: false
                        label.objectName: "priceUnitLabel"
                        text: CurrencyUnitsDataModel.currencySign(screenNewItem.itemPriceUnitIndex) + "/"
                              + unitEnd.text
                    }
                }

                ScreenFormRow {
                    id: amountField

                    label: qsTr("Amount") + ApplicationManager.nullString
                    inputName: "amountInput"
                    besideEnd: true
                    validator: ScreenNumberValidator {
                        decimals: 3
                    }

                    ScreenFieldEnd {
                        id: unitEnd

                        objectName: "amountUnitButton"
                        label.objectName: "amountUnitLabel"
                        text: AmountUnitsDataModel.measureName(screenNewItem.itemAmountUnitIndex)
                              + ApplicationManager.nullString
                        onClicked: {
                            form.dropFocus();
                            screenNewItem.state = "amountUnitsList";
                        }
                    }
                }

                ScreenFormRow {
                    id: noteField

                    label: qsTr("Note") + ApplicationManager.nullString
                }
            }
        }
    }

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
        anchors.fill: form
        opacity: 0
        inset: 1
        title: qsTr("Choose category") + ApplicationManager.nullString
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
        onCancelClicked: screenNewItem.closePicker()
        onOkClicked: {
            screenNewItem.itemCategoryString = currentIndex >= 0 && currentIndex < choices.length
                    ? choices[currentIndex] : "";
            screenNewItem.closePicker();
        }
    }

    ScreenChooser {
        id: unitPicker

        objectName: "pageAmountUnits"
        anchors.fill: form
        opacity: 0
        inset: 1
        title: qsTr("Choose unit") + ApplicationManager.nullString
        listName: "unitsList"
        model: AmountUnitsDataModel
        delegate: ScreenChooserRow {
            required property string measure_name

            text: measure_name
        }
        onCancelClicked: screenNewItem.closePicker()
        onOkClicked: {
            if (unitPicker.currentIndex >= 0)
                screenNewItem.itemAmountUnitIndex = unitPicker.currentIndex;
            screenNewItem.closePicker();
        }
    }

    states: [
        State {
            name: "categoriesList"

            PropertyChanges {
                target: form
                opacity: 0
            }

            PropertyChanges {
                target: categoryPicker
                opacity: 1
            }

            StateChangeScript {
                script: categoryPicker.offer()
            }
        },
        State {
            name: "amountUnitsList"

            PropertyChanges {
                target: form
                opacity: 0
            }

            PropertyChanges {
                target: unitPicker
                opacity: 1
            }

            StateChangeScript {
                script: unitPicker.takeKeys()
            }
        }
    ]
}
