import QtQuick

// The sheet for a list's name, currency and note, with its currency chooser.
Item {
    id: screenNewList

    property alias listNameString: nameInput.text
    property alias listNoteString: noteInput.text
    property int listCurrencyUnitIndex: 0
    property alias listCurrencyUnitString: currencyText.text
    property alias yPos: sheet.y
    property alias realHeight: sheet.height
    // The Cancel and Ok that Escape and Return press: the chooser's or the form's.
    readonly property ScreenSheetButtons shownButtons: state === "currencyList" ? currencyButtons
                                                                               : sheetButtons

    signal cancelClicked()
    signal createClicked()

    // Moving the focus off the inputs closes the virtual keyboard.
    function dropFocus() {
        sheet.forceActiveFocus();
    }

    width: 360
    height: 640
    // The sheet opens ready for typing the name.
    onVisibleChanged: {
        if (visible)
            nameInput.forceActiveFocus();
    }
    Keys.onReturnPressed: shownButtons.okClicked()
    Keys.onEnterPressed: shownButtons.okClicked()
    Keys.onEscapePressed: shownButtons.cancelClicked()

    Rectangle {
        anchors.fill: parent
        color: "#000000"
        opacity: 0.8

        MouseArea {
            anchors.fill: parent
            onClicked: {
                screenNewList.dropFocus();
                screenNewList.cancelClicked();
            }
        }
    }

    Rectangle {
        id: sheet

        objectName: "listSheet"
        anchors.bottom: parent.bottom
        width: parent.width
        height: fields.height + 5 + 40 + 10 + 65 + 10 + 100
        radius: 20
        color: "#A4B5D9"
        visible: opacity > 0

        MouseArea {
            anchors.fill: parent
            onClicked: sheet.forceActiveFocus()
        }

        ScreenSheetTitle {
            id: sheetTitle

            title: qsTr("List info") + applicationManager.nullString
        }

        Column {
            id: fields

            anchors.top: sheetTitle.bottom
            anchors.topMargin: 10
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20
            spacing: 5

            Item {
                width: parent.width
                height: 60

                Text {
                    id: nameLabel

                    width: 120
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    color: "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                    text: qsTr("Name") + ": " + applicationManager.nullString
                }

                Rectangle {
                    anchors.left: nameLabel.right
                    anchors.right: parent.right
                    height: parent.height
                    radius: 20
                    color: "#FFFFFF"
                    border.width: 1
                    border.color: "#B9B9B9"

                    MouseArea {
                        anchors.fill: parent
                        onClicked: nameInput.forceActiveFocus()
                    }

                    TextInput {
                        id: nameInput

                        objectName: "listNameInput"
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

            Item {
                width: parent.width
                height: 60

                Text {
                    id: currencyLabel

                    width: 120
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    color: "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                    text: qsTr("Currency") + ": " + applicationManager.nullString
                }

                Rectangle {
                    objectName: "listCurrencyField"
                    anchors.left: currencyLabel.right
                    anchors.right: parent.right
                    height: parent.height
                    radius: 20
                    color: currencyArea.pressed ? "#C4D5F9" : "#FFFFFF"
                    border.width: 1
                    border.color: "#B9B9B9"

                    Text {
                        id: currencyText

                        objectName: "listCurrencyText"
                        anchors.centerIn: parent
                        width: parent.width - 40
                        elide: Text.ElideRight
                        clip: true
                        color: "#000000"
                        font.pixelSize: 22
                        text: currencyUnitsDataModel.currentCurrency
                    }

                    MouseArea {
                        id: currencyArea

                        anchors.fill: parent
                        onClicked: screenNewList.state = "currencyList"
                    }
                }
            }

            Item {
                width: parent.width
                height: 60

                Text {
                    id: noteLabel

                    width: 120
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    color: "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                    text: qsTr("Note") + ": " + applicationManager.nullString
                }

                Rectangle {
                    anchors.left: noteLabel.right
                    anchors.right: parent.right
                    height: parent.height
                    radius: 20
                    color: "#FFFFFF"
                    border.width: 1
                    border.color: "#B9B9B9"

                    MouseArea {
                        anchors.fill: parent
                        onClicked: noteInput.forceActiveFocus()
                    }

                    TextInput {
                        id: noteInput

                        objectName: "listNoteInput"
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

        ScreenSheetButtons {
            id: sheetButtons

            cancelLabel: qsTr("Cancel") + applicationManager.nullString
            okLabel: qsTr("Ok") + applicationManager.nullString
            onCancelClicked: {
                screenNewList.dropFocus();
                screenNewList.cancelClicked();
            }
            onOkClicked: {
                screenNewList.dropFocus();
                screenNewList.createClicked();
            }
        }
    }

    Rectangle {
        id: currencyPanel

        objectName: "currencyPanel"
        anchors.fill: sheet
        radius: 20
        color: "#A4B5D9"
        opacity: 0
        visible: opacity > 0

        MouseArea {
            anchors.fill: parent
            onClicked: currencyPanel.forceActiveFocus()
        }

        ScreenSheetTitle {
            id: currencyTitle

            title: qsTr("Choose currency") + applicationManager.nullString
        }

        ScreenChooserList {
            id: currencyList

            objectName: "currencyList"
            anchors.top: currencyTitle.bottom
            anchors.topMargin: 5
            anchors.bottom: currencyButtons.top
            anchors.bottomMargin: 5
            width: parent.width
            model: currencyUnitsDataModel
            highlightMoveDuration: 200

            delegate: Rectangle {
                width: currencyList.width
                height: 65
                color: ListView.isCurrentItem ? "#C4D5F9" : "transparent"
                border.width: 1
                border.color: "#445579"

                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 10
                    anchors.rightMargin: 10
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    color: parent.ListView.isCurrentItem ? "#000000" : "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                    text: currency_name + " - " + currency_sign
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: currencyList.currentIndex = index
                }
            }
        }

        ScreenSheetButtons {
            id: currencyButtons

            cancelLabel: qsTr("Cancel") + applicationManager.nullString
            okLabel: qsTr("Ok") + applicationManager.nullString
            onCancelClicked: {
                screenNewList.dropFocus();
                screenNewList.state = "";
            }
            onOkClicked: {
                const row = currencyList.currentIndex;
                currencyUnitsDataModel.setCurrentCurrency(row);
                screenNewList.listCurrencyUnitString = currencyUnitsDataModel.currentCurrency;
                screenNewList.listCurrencyUnitIndex = row;
                screenNewList.dropFocus();
                screenNewList.state = "";
            }
        }
    }

    states: State {
        name: "currencyList"

        PropertyChanges {
            target: currencyPanel
            opacity: 1
        }

        PropertyChanges {
            target: sheet
            opacity: 0
        }

        StateChangeScript {
            script: {
                currencyList.currentIndex = screenNewList.listCurrencyUnitIndex;
                currencyList.positionViewAtIndex(screenNewList.listCurrencyUnitIndex,
                                                 ListView.Contain);
                currencyList.forceActiveFocus();
            }
        }
    }
}
