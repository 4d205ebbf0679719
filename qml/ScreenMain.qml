import QtQuick
import qml

// The lists screen: the stored lists, the "new list" button, a menu with the
// language sheet and the about window, and the questions before deleting or
// overwriting a list.
ScreenBase {
    id: screenMain

    signal buttonAboutClicked()
    signal newListCreated()
    signal listReadyForShop()
    signal listReadyForEdit()

    rows: listsArea

    ScreenHeader {
        id: header

        anchors.top: parent.top
        width: parent.width
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/quit-button.png"
        headerLabel1: qsTr("Pantrix") + ApplicationManager.nullString
        headerLabel3: qsTr("available  lists") + ApplicationManager.nullString
        onButtonLeftClicked: ApplicationManager.showDashboard()
        onButtonMiddleClicked: screenMain.state = "menu"
        onButtonRightClicked: ApplicationManager.quit()
    }

    ScreenRowsPage {
        id: listsArea

        anchors.top: header.bottom
        anchors.topMargin: 5
        width: parent.width
        height: parent.height - 150
        model: ListsDataModel
        itemContent: Component {
            ScreenItemRow {
                id: band

                required property ScreenMainDelegate row

                tappable: true
                onTapped: band.row.itemClicked(band.row.index)
                onEditClicked: band.row.itemEditClicked(band.row.index)
                onDeleteClicked: band.row.itemDeleteClicked(band.row.index)

                ScreenItemTexts {
                    kind: "list"
                    name: band.row.model.list_name
                    note: band.row.model.list_note
                    amountText: qsTranslate("ScreenMainDelegate", "%n item(s)", "",
                                             parseInt(band.row.model.items_list, 10) || 0)
                                + ApplicationManager.nullString
                    priceText: band.row.model.price_list === ""
                               ? ""
                               : band.row.model.price_list + " "
                                 + CurrencyUnitsDataModel.currencySign(parseInt(band.row.model.price_unit, 10) || 0)
                }
            }
        }
        delegate: ScreenMainDelegate {
            id: listRow

            onItemClicked: function(pIndex) {
                if (ApplicationManager.loadList(pIndex))
                    screenMain.listReadyForShop();
            }
            onItemEditClicked: function(pIndex) {
                if (ApplicationManager.loadList(pIndex))
                    screenMain.listReadyForEdit();
            }
            onItemDeleteClicked: function(pIndex) {
                deleteQuestion.queryIndex = pIndex;
                deleteQuestion.queryString = qsTr("List") + " \"" + listRow.model.list_name + "\" "
                        + qsTr("will be deleted. Continue?");
                screenMain.state = "listDelete";
            }
        }
    }

    ScreenButton {
        objectName: "buttonNewList"
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.rowHeight
        buttonBottom: true
        buttonLabel: qsTr("new list") + ApplicationManager.nullString
        // A stored list that cannot be read shows no row, yet a new list
        // replaces it: that, too, is asked first.
        onButtonClicked: screenMain.state = ListsDataModel.rowCount() === 0
                         && !ApplicationManager.listDocumentExists() ? "newList" : "newListRequest"
    }

    ScreenMenu {
        open: screenMain.state === "menu"
        onCloseClicked: screenMain.state = ""

        ScreenMenuItem {
            objectName: "menuLanguage"
            label: qsTr("Language") + ApplicationManager.nullString
            onItemClicked: {
                languageSheet.currentLanguage = LanguagesDataModel.currentLanguageIndex();
                screenMain.state = "languages";
            }
        }

        ScreenMenuItem {
            objectName: "menuAbout"
            label: qsTr("About") + ApplicationManager.nullString
            onItemClicked: {
                screenMain.state = "";
                screenMain.buttonAboutClicked();
            }
        }
    }

    Loader {
        id: newListLoader

        objectName: "newListLoader"
        anchors.fill: parent
        visible: status === Loader.Ready
        onLoaded: {
            const sheet = newListLoader.item as ScreenNewList;
            sheet.listNameString = "";
            sheet.listCurrencyUnitIndex = CurrencyUnitsDataModel.currentCurrencyIndex();
            sheet.listNoteString = "";
        }

        Connections {
            target: newListLoader.item as ScreenNewList
            ignoreUnknownSignals: true

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onCreateClicked() {
                const sheet = newListLoader.item as ScreenNewList;
                const created = ApplicationManager.createNewList(sheet.listNameString,
                                                                 sheet.listCurrencyUnitIndex,
                                                                 sheet.listNoteString);
                if (created)
                    screenMain.newListCreated();
                screenMain.state = "";
            }
        }
    }

    ScreenQueryDialog {
        id: deleteQuestion

        objectName: "deleteQuestion"
        anchors.fill: parent
        opacity: 0
        winScale: 0.001
        onCancelClicked: screenMain.state = ""
        onOkClicked: {
            ApplicationManager.deleteListByIndex(queryIndex);
            screenMain.state = "";
        }
    }

    ScreenQueryDialog {
        id: overwriteQuestion

        objectName: "overwriteQuestion"
        anchors.fill: parent
        opacity: 0
        winScale: 0.001
        queryString: qsTr("List already exists. Do you want to overwrite it?")
                     + ApplicationManager.nullString
        onCancelClicked: screenMain.state = ""
        onOkClicked: {
            screenMain.state = "";
            screenMain.state = "newList";
        }
    }

    ScreenLanguages {
        id: languageSheet

        objectName: "languageSheet"
        anchors.fill: parent
        opacity: 0
        onCancelClicked: screenMain.state = ""
        onOkClicked: screenMain.state = ""
    }

    states: [
        State {
            name: "newList"

            PropertyChanges {
                target: newListLoader
                source: "qrc:/qml/qml/ScreenNewList.qml"
            }
        },
        State {
            name: "newListRequest"

            PropertyChanges {
                target: overwriteQuestion
                opacity: 1
                winScale: 1
            }
        },
        State {
            name: "listDelete"

            PropertyChanges {
                target: deleteQuestion
                winScale: 1
                opacity: 1
            }
        },
        State {
            name: "languages"

            PropertyChanges {
                target: languageSheet
                opacity: 1
            }
        }
    ]

    transitions: Transition {
        NumberAnimation {
            properties: "winScale"
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }
}
