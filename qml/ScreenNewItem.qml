import QtQuick

// The form for one item: name, category, price, amount with its unit and note,
// with a picker page for the category and one for the amount unit. The host
// fills the fields, shows the form and reads the fields back on createClicked().
Item {
    id: screenNewItem

    property alias screenHeaderString: titleText.text
    property int itemIndex: -1
    property alias itemNameString: nameInput.text
    property alias itemCategoryString: categoryInput.text
    property alias itemPriceString: priceInput.text
    property int itemPriceUnitIndex: 0
    property alias itemAmountString: amountInput.text
    property int itemAmountUnitIndex: 0
    property alias itemNoteString: noteInput.text

    signal cancelClicked()
    signal createClicked()

    // Taking the focus away from the inputs closes the on-screen keyboard.
    function dropFocus() {
        screenNewItem.forceActiveFocus();
    }

    // Return and Escape press Ok and Cancel of the page shown, where enabled.
    function pressButton(pOk) {
        const buttons = state === "categoriesList" ? [categoriesCancel, categoriesOk]
                      : state === "amountUnitsList" ? [unitsCancel, unitsOk]
                                                    : [newItemCancel, newItemOk];
        const button = buttons[pOk ? 1 : 0];
        if (button.opacity === 1)
            button.buttonClicked();
    }

    width: 800
    height: 480
    // The dialog opens ready for typing the name.
    onVisibleChanged: {
        if (visible)
            nameInput.forceActiveFocus();
    }
    Keys.onReturnPressed: pressButton(true)
    Keys.onEnterPressed: pressButton(true)
    Keys.onEscapePressed: pressButton(false)

    Rectangle {
        id: shade

        anchors.fill: parent
        color: "#000000"
        opacity: 0.8

        MouseArea {
            anchors.fill: parent
            onClicked: {
                screenNewItem.dropFocus();
                screenNewItem.cancelClicked();
            }
        }
    }

    // The form.
    Item {
        id: pageNewItem

        objectName: "pageNewItem"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 40 + 5 + fields.height + 5 + 65 + 10
        visible: opacity > 0

        Rectangle {
            anchors.fill: parent
            anchors.leftMargin: 1
            anchors.rightMargin: 1
            color: "#A4B5D9"
            radius: 20
            smooth: true
        }

        MouseArea {
            anchors.fill: parent
            onClicked: screenNewItem.dropFocus()
        }

        Item {
            id: titleBar

            width: parent.width
            height: 40
            clip: true

            Rectangle {
                width: parent.width
                height: parent.height + 40
                color: "#445579"
                radius: 20
            }

            Text {
                id: titleText

                anchors.fill: parent
                color: "#FFFFFF"
                font.bold: true
                font.pixelSize: 18
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }

        Column {
            id: fields

            anchors.horizontalCenter: parent.horizontalCenter
            y: titleBar.height + 5
            width: parent.width - 10
            spacing: 5

            // Name
            Item {
                width: fields.width
                height: 60

                Text {
                    id: nameLabel

                    width: 120
                    height: parent.height
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    // A label longer than its column (Russian "Количество: ") is
                    // set smaller rather than cut off at the screen edge.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Name") + ": " + applicationManager.nullString
                }

                Rectangle {
                    anchors.left: nameLabel.right
                    anchors.right: parent.right
                    height: parent.height
                    color: "#FFFFFF"
                    border.color: "#B9B9B9"
                    border.width: 1
                    radius: 20
                    smooth: true

                    MouseArea {
                        anchors.fill: parent
                        onClicked: nameInput.forceActiveFocus()
                    }

                    TextInput {
                        id: nameInput

                        objectName: "nameInput"
                        anchors.centerIn: parent
                        width: parent.width - 40
                        clip: true
                        color: "#000000"
                        font.pixelSize: 22
                        selectByMouse: true
                        activeFocusOnTab: true
                    }
                }
            }

            // Category, with the button that opens the category picker
            Item {
                width: fields.width
                height: 60

                Text {
                    id: categoryLabel

                    width: 120
                    height: parent.height
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Category") + ": " + applicationManager.nullString
                }

                Item {
                    id: categoryField

                    anchors.left: categoryLabel.right
                    anchors.right: parent.right
                    height: parent.height

                    Item {
                        width: parent.width - 71
                        height: parent.height
                        clip: true

                        Rectangle {
                            width: parent.width + 40
                            height: parent.height
                            color: "#FFFFFF"
                            radius: 20
                            smooth: true
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: categoryInput.forceActiveFocus()
                        }

                        TextInput {
                            id: categoryInput

                            objectName: "categoryInput"
                            anchors.verticalCenter: parent.verticalCenter
                            x: 20
                            width: parent.width - 30
                            clip: true
                            color: "#000000"
                            font.pixelSize: 22
                            selectByMouse: true
                            activeFocusOnTab: true
                        }
                    }

                    Item {
                        objectName: "categoryButton"
                        anchors.right: parent.right
                        width: 70
                        height: parent.height
                        clip: true

                        Rectangle {
                            x: -40
                            width: parent.width + 40
                            height: parent.height
                            color: "#445579"
                            radius: 20
                            smooth: true
                            opacity: categoryMouse.pressed ? 0.5 : 1
                        }

                        Text {
                            anchors.fill: parent
                            color: "#FFFFFF"
                            font.bold: true
                            font.pixelSize: 20
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            text: "..."
                        }

                        MouseArea {
                            id: categoryMouse

                            anchors.fill: parent
                            onClicked: {
                                screenNewItem.dropFocus();
                                screenNewItem.state = "categoriesList";
                            }
                        }
                    }
                }
            }

            // Price, with the currency sign per unit
            Item {
                width: fields.width
                height: 60

                Text {
                    id: priceLabel

                    width: 120
                    height: parent.height
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Price") + ": " + applicationManager.nullString
                }

                Item {
                    anchors.left: priceLabel.right
                    anchors.right: parent.right
                    height: parent.height

                    Item {
                        width: parent.width - 71
                        height: parent.height
                        clip: true

                        Rectangle {
                            width: parent.width + 40
                            height: parent.height
                            color: "#FFFFFF"
                            radius: 20
                            smooth: true
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: priceInput.forceActiveFocus()
                        }

                        TextInput {
                            id: priceInput

                            objectName: "priceInput"
                            anchors.verticalCenter: parent.verticalCenter
                            x: 20
                            width: parent.width - 30
                            clip: true
                            color: "#000000"
                            font.pixelSize: 22
                            selectByMouse: true
                            activeFocusOnTab: true
                            validator: ScreenNumberValidator {
                                decimals: 2
                            }
                        }
                    }

                    Item {
                        anchors.right: parent.right
                        width: 70
                        height: parent.height
                        clip: true

                        Rectangle {
                            x: -40
                            width: parent.width + 40
                            height: parent.height
                            color: "#FFFFFF"
                            radius: 20
                            smooth: true
                        }

                        Text {
                            objectName: "priceUnitLabel"
                            anchors.fill: parent
                            color: "#000000"
                            font.pixelSize: 14
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                            text: currencyUnitsDataModel.currencySign(screenNewItem.itemPriceUnitIndex)
                                  + "/" + amountUnitText.text
                        }
                    }
                }
            }

            // Amount, with the button that opens the unit picker
            Item {
                width: fields.width
                height: 60

                Text {
                    id: amountLabel

                    width: 120
                    height: parent.height
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Amount") + ": " + applicationManager.nullString
                }

                Item {
                    anchors.left: amountLabel.right
                    anchors.right: parent.right
                    height: parent.height

                    Item {
                        width: parent.width - 71
                        height: parent.height
                        clip: true

                        Rectangle {
                            width: parent.width + 40
                            height: parent.height
                            color: "#FFFFFF"
                            radius: 20
                            smooth: true
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: amountInput.forceActiveFocus()
                        }

                        TextInput {
                            id: amountInput

                            objectName: "amountInput"
                            anchors.verticalCenter: parent.verticalCenter
                            x: 20
                            width: parent.width - 30
                            clip: true
                            color: "#000000"
                            font.pixelSize: 22
                            selectByMouse: true
                            activeFocusOnTab: true
                            validator: ScreenNumberValidator {
                                decimals: 3
                            }
                        }
                    }

                    Item {
                        objectName: "amountUnitButton"
                        anchors.right: parent.right
                        width: 70
                        height: parent.height
                        clip: true

                        Rectangle {
                            x: -40
                            width: parent.width + 40
                            height: parent.height
                            color: "#445579"
                            radius: 20
                            smooth: true
                            opacity: amountUnitMouse.pressed ? 0.5 : 1
                        }

                        Text {
                            id: amountUnitText

                            objectName: "amountUnitLabel"
                            anchors.fill: parent
                            color: "#FFFFFF"
                            font.pixelSize: 14
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                            text: amountUnitsDataModel.measureName(screenNewItem.itemAmountUnitIndex)
                                  + applicationManager.nullString
                        }

                        MouseArea {
                            id: amountUnitMouse

                            anchors.fill: parent
                            onClicked: {
                                screenNewItem.dropFocus();
                                screenNewItem.state = "amountUnitsList";
                            }
                        }
                    }
                }
            }

            // Note
            Item {
                width: fields.width
                height: 60

                Text {
                    id: noteLabel

                    width: 120
                    height: parent.height
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Note") + ": " + applicationManager.nullString
                }

                Rectangle {
                    anchors.left: noteLabel.right
                    anchors.right: parent.right
                    height: parent.height
                    color: "#FFFFFF"
                    border.color: "#B9B9B9"
                    border.width: 1
                    radius: 20
                    smooth: true

                    MouseArea {
                        anchors.fill: parent
                        onClicked: noteInput.forceActiveFocus()
                    }

                    TextInput {
                        id: noteInput

                        objectName: "noteInput"
                        anchors.centerIn: parent
                        width: parent.width - 40
                        clip: true
                        color: "#000000"
                        font.pixelSize: 22
                        selectByMouse: true
                        activeFocusOnTab: true
                    }
                }
            }
        }

        Item {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 4
            height: 65

            ScreenButton {
                id: newItemCancel

                objectName: "newItemCancel"
                anchors.left: parent.left
                width: parent.width / 2 - 1
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("Cancel") + applicationManager.nullString
                onButtonClicked: {
                    screenNewItem.dropFocus();
                    screenNewItem.cancelClicked();
                }
            }

            ScreenButton {
                id: newItemOk

                objectName: "newItemOk"
                anchors.right: parent.right
                width: parent.width / 2 - 1
                height: parent.height
                buttonRight: true
                opacity: nameInput.text === "" ? 0.5 : 1
                buttonLabel: qsTr("Ok") + applicationManager.nullString
                onButtonClicked: {
                    screenNewItem.dropFocus();
                    screenNewItem.createClicked();
                }
            }
        }
    }

    // Category picker
    Item {
        id: pageCategories

        objectName: "pageCategories"
        anchors.bottom: parent.bottom
        width: pageNewItem.width
        height: pageNewItem.height
        opacity: 0
        visible: opacity > 0

        Rectangle {
            anchors.fill: parent
            anchors.leftMargin: 1
            anchors.rightMargin: 1
            color: "#A4B5D9"
            radius: 20
            smooth: true
        }

        MouseArea {
            anchors.fill: parent
            onClicked: screenNewItem.dropFocus()
        }

        Item {
            id: categoriesTitle

            width: parent.width
            height: 40
            clip: true

            Rectangle {
                width: parent.width
                height: parent.height + 40
                color: "#445579"
                radius: 20
            }

            Text {
                anchors.fill: parent
                color: "#FFFFFF"
                font.bold: true
                font.pixelSize: 18
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Choose category") + applicationManager.nullString
            }
        }

        ScreenChooserList {
            id: categoriesList

            objectName: "categoriesList"
            anchors.top: categoriesTitle.bottom
            anchors.topMargin: 5
            anchors.bottom: categoriesButtons.top
            anchors.bottomMargin: 5
            width: parent.width
            model: categoriesDataModel.categoriesCount
            rowText: function(pRow) {
                return categoriesDataModel.categoryName(pRow);
            }
            delegate: Rectangle {
                id: categoryRow

                required property int index

                width: ListView.view.width
                height: 65
                color: ListView.isCurrentItem ? "#C4D5F9" : "transparent"
                border.color: "#445579"
                border.width: 1

                Text {
                    anchors.fill: parent
                    color: categoryRow.ListView.isCurrentItem ? "#000000" : "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: categoriesDataModel.categoryName(categoryRow.index)
                          + applicationManager.nullString
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: categoriesList.currentIndex = categoryRow.index
                }
            }
        }

        Item {
            id: categoriesButtons

            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 4
            height: 65

            ScreenButton {
                id: categoriesCancel

                objectName: "categoriesCancel"
                anchors.left: parent.left
                width: parent.width / 2 - 1
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("Cancel") + applicationManager.nullString
                onButtonClicked: {
                    screenNewItem.dropFocus();
                    screenNewItem.state = "";
                }
            }

            ScreenButton {
                id: categoriesOk

                objectName: "categoriesOk"
                anchors.right: parent.right
                width: parent.width / 2 - 1
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("Ok") + applicationManager.nullString
                onButtonClicked: {
                    screenNewItem.itemCategoryString =
                            categoriesDataModel.categoryName(categoriesList.currentIndex);
                    screenNewItem.dropFocus();
                    screenNewItem.state = "";
                }
            }
        }
    }

    // Amount unit picker
    Item {
        id: pageAmountUnits

        objectName: "pageAmountUnits"
        anchors.bottom: parent.bottom
        width: pageNewItem.width
        height: pageNewItem.height
        opacity: 0
        visible: opacity > 0

        Rectangle {
            anchors.fill: parent
            anchors.leftMargin: 1
            anchors.rightMargin: 1
            color: "#A4B5D9"
            radius: 20
            smooth: true
        }

        MouseArea {
            anchors.fill: parent
            onClicked: screenNewItem.dropFocus()
        }

        Item {
            id: unitsTitle

            width: parent.width
            height: 40
            clip: true

            Rectangle {
                width: parent.width
                height: parent.height + 40
                color: "#445579"
                radius: 20
            }

            Text {
                anchors.fill: parent
                color: "#FFFFFF"
                font.bold: true
                font.pixelSize: 18
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Choose unit") + applicationManager.nullString
            }
        }

        ScreenChooserList {
            id: unitsList

            objectName: "unitsList"
            anchors.top: unitsTitle.bottom
            anchors.topMargin: 5
            anchors.bottom: unitsButtons.top
            anchors.bottomMargin: 5
            width: parent.width
            model: amountUnitsDataModel
            delegate: Rectangle {
                id: unitRow

                required property int index
                required property string measure_name

                width: ListView.view.width
                height: 65
                color: ListView.isCurrentItem ? "#C4D5F9" : "transparent"
                border.color: "#445579"
                border.width: 1

                Text {
                    anchors.fill: parent
                    color: unitRow.ListView.isCurrentItem ? "#000000" : "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 18
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: unitRow.measure_name
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: unitsList.currentIndex = unitRow.index
                }
            }
        }

        Item {
            id: unitsButtons

            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 4
            height: 65

            ScreenButton {
                id: unitsCancel

                objectName: "unitsCancel"
                anchors.left: parent.left
                width: parent.width / 2 - 1
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("Cancel") + applicationManager.nullString
                onButtonClicked: {
                    screenNewItem.dropFocus();
                    screenNewItem.state = "";
                }
            }

            ScreenButton {
                id: unitsOk

                objectName: "unitsOk"
                anchors.right: parent.right
                width: parent.width / 2 - 1
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("Ok") + applicationManager.nullString
                onButtonClicked: {
                    if (unitsList.currentIndex >= 0)
                        screenNewItem.itemAmountUnitIndex = unitsList.currentIndex;
                    screenNewItem.dropFocus();
                    screenNewItem.state = "";
                }
            }
        }
    }

    states: [
        State {
            name: "categoriesList"

            PropertyChanges {
                target: pageNewItem
                opacity: 0
            }

            PropertyChanges {
                target: pageCategories
                opacity: 1
            }

            StateChangeScript {
                script: categoriesList.forceActiveFocus()
            }
        },
        State {
            name: "amountUnitsList"

            PropertyChanges {
                target: pageNewItem
                opacity: 0
            }

            PropertyChanges {
                target: pageAmountUnits
                opacity: 1
            }

            StateChangeScript {
                script: unitsList.forceActiveFocus()
            }
        }
    ]
}
