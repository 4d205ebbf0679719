import QtQuick
import Pantrix

// The sheet for a list's name, currency and note, with its currency chooser.
ScreenForm {
    id: screenNewList

    property alias listNameString: nameField.text
    property alias listNoteString: noteField.text
    property int listCurrencyUnitIndex: 0
    property alias listCurrencyUnitString: currencyText.text
    property alias yPos: screenNewList.form.y
    property alias realHeight: screenNewList.form.height

    firstField: nameField
    form.objectName: "listSheet"
    form.height: Math.min(Theme.titleHeight + 2 * Theme.margin + fields.height + Theme.gap
                          + Theme.buttonBarHeight + Theme.listSheetAllowance, parent.height)
    form.title: qsTr("List info")
    // The chooser opens in place of the form, on the form's currency, and
    // has the keys.
    onStateChanged: {
        if (state !== "currencyList")
            return;
        currencyChooser.currentIndex = listCurrencyUnitIndex;
        currencyChooser.list.positionViewAtIndex(listCurrencyUnitIndex, ListView.Contain);
        currencyChooser.takeKeys();
    }

    formContent: [
        Column {
            id: fields

            anchors.top: screenNewList.form.titleBar.bottom
            anchors.topMargin: Theme.margin
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 2 * Theme.margin
            spacing: Theme.gap

            ScreenFormRow {
                id: nameField

                label: qsTr("Name")
                inputName: "listNameInput"
            }

            ScreenFormRow {
                label: qsTr("Currency")
                hasInput: false

                ScreenPressable {
                    objectName: "listCurrencyField"
                    anchors.fill: parent
                    ringRadius: Theme.radius
                    Accessible.name: qsTr("Currency") + ": " + currencyText.text
                    onActivated: screenNewList.openChooser("currencyList")

                    Rectangle {
                        anchors.fill: parent
                        radius: Theme.radius
                        color: currencyArea.pressed ? Theme.highlight : Theme.field
                        border.width: 1
                        border.color: Theme.inputBorder
                    }

                    Text {
                        id: currencyText

                        anchors.centerIn: parent
                        width: parent.width - 2 * Theme.radius
                        elide: Text.ElideRight
                        color: Theme.inputText
                        font.pixelSize: Theme.fontInput
                        text: CurrencyUnitsDataModel.currentCurrency
                    }

                    MouseArea {
                        id: currencyArea

                        anchors.fill: parent
                        onClicked: screenNewList.openChooser("currencyList")
                    }
                }
            }

            ScreenFormRow {
                id: noteField

                label: qsTr("Note")
            }
        }
    ]

    ScreenChooser {
        id: currencyChooser

        objectName: "currencyPanel"
        anchors.fill: screenNewList.form
        opacity: screenNewList.state === "currencyList" ? 1 : 0
        title: qsTr("Choose currency")
        listName: "currencyList"
        model: CurrencyUnitsDataModel
        list.highlightMoveDuration: Theme.highlightDuration
        delegate: ScreenChooserRow {
            required property string currency_name
            required property string currency_sign

            text: currency_name + " - " + currency_sign
            label.anchors.leftMargin: Theme.margin
            label.anchors.rightMargin: Theme.margin
            label.horizontalAlignment: Text.AlignLeft
        }
        onCancelClicked: screenNewList.closeChooser()
        onOkClicked: {
            CurrencyUnitsDataModel.setCurrentCurrency(currencyChooser.currentIndex);
            screenNewList.listCurrencyUnitString = CurrencyUnitsDataModel.currentCurrency;
            screenNewList.listCurrencyUnitIndex = currencyChooser.currentIndex;
            screenNewList.closeChooser();
        }
    }
}
