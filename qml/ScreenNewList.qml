import QtQuick
import qml

// The sheet for a list's name, currency and note, with its currency chooser.
Item {
    id: screenNewList

    property alias listNameString: nameField.text
    property alias listNoteString: noteField.text
    property int listCurrencyUnitIndex: 0
    property alias listCurrencyUnitString: currencyText.text
    property alias yPos: sheet.y
    property alias realHeight: sheet.height

    signal cancelClicked()
    signal createClicked()

    // Back on the form, the form has the keys again.
    function closeChooser() {
        state = "";
        sheet.dropFocus();
    }

    // The sheet opens ready for typing the name.
    onVisibleChanged: {
        if (visible)
            nameField.focusInput();
    }

    ScreenShade {
        onClicked: {
            sheet.dropFocus();
            screenNewList.cancelClicked();
        }
    }

    ScreenSheet {
        id: sheet

        objectName: "listSheet"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        height: Math.min(fields.height + 5 + 40 + 10 + 65 + 10 + 100, parent.height)
        title: qsTr("List info") + ApplicationManager.nullString
        onCancelClicked: screenNewList.cancelClicked()
        onOkClicked: screenNewList.createClicked()

        Column {
            id: fields

            anchors.top: sheet.titleBar.bottom
            anchors.topMargin: 10
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20
            spacing: 5

            ScreenFormRow {
                id: nameField

                label: qsTr("Name") + ApplicationManager.nullString
                inputName: "listNameInput"
            }

            ScreenFormRow {
                label: qsTr("Currency") + ApplicationManager.nullString
                hasInput: false

                Rectangle {
                    objectName: "listCurrencyField"
                    anchors.fill: parent
                    radius: Theme.radius
                    color: currencyArea.pressed ? Theme.highlight : Theme.field
                    border.width: 1
                    border.color: Theme.inputBorder

                    Text {
                        id: currencyText

                        anchors.centerIn: parent
                        width: parent.width - 40
                        elide: Text.ElideRight
                        color: Theme.inputText
                        font.pixelSize: Theme.fontInput
                        text: CurrencyUnitsDataModel.currentCurrency
                    }

                    MouseArea {
                        id: currencyArea

                        anchors.fill: parent
                        onClicked: screenNewList.state = "currencyList"
                    }
                }
            }

            ScreenFormRow {
                id: noteField

                label: qsTr("Note") + ApplicationManager.nullString
            }
        }
    }

    ScreenChooser {
        id: currencyChooser

        objectName: "currencyPanel"
        anchors.fill: sheet
        opacity: 0
        title: qsTr("Choose currency") + ApplicationManager.nullString
        listName: "currencyList"
        model: CurrencyUnitsDataModel
        list.highlightMoveDuration: 200
        delegate: ScreenChooserRow {
            required property string currency_name
            required property string currency_sign

            text: currency_name + " - " + currency_sign
            label.anchors.leftMargin: 10
            label.anchors.rightMargin: 10
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

    states: State {
        name: "currencyList"

        PropertyChanges {
            target: currencyChooser
            opacity: 1
        }

        PropertyChanges {
            target: sheet
            opacity: 0
        }

        StateChangeScript {
            script: {
                currencyChooser.currentIndex = screenNewList.listCurrencyUnitIndex;
                currencyChooser.list.positionViewAtIndex(screenNewList.listCurrencyUnitIndex,
                                                         ListView.Contain);
                currencyChooser.takeKeys();
            }
        }
    }
}
