pragma ComponentBehavior: Bound

import QtQuick
import qml

// The lists screen: the stored lists, the "new list" button, a menu with the
// language sheet and the about window, and the questions before deleting or
// overwriting a list. The menu, the questions and the sheets are made when
// they are first shown.
ScreenBase {
    id: screenMain

    // The stored list the delete question asks about.
    property int deleteIndex: 0
    property string deleteQuestionText: ""

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
                screenMain.deleteIndex = pIndex;
                screenMain.deleteQuestionText = qsTr("List") + " \"" + listRow.model.list_name + "\" "
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

    ScreenLazyLayer {
        id: menuLayer

        shown: screenMain.state === "menu"
        sourceComponent: ScreenMenu {
            anchors.fill: parent
            open: menuLayer.open
            onCloseClicked: screenMain.state = ""

            ScreenMenuItem {
                objectName: "menuLanguage"
                label: qsTr("Language") + ApplicationManager.nullString
                onItemClicked: screenMain.state = "languages"
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

    ScreenLazyLayer {
        id: deleteLayer

        shown: screenMain.state === "listDelete"
        sourceComponent: ScreenQueryDialog {
            anchors.fill: parent
            objectName: "deleteQuestion"
            shown: deleteLayer.open
            queryIndex: screenMain.deleteIndex
            queryString: screenMain.deleteQuestionText
            onCancelClicked: screenMain.state = ""
            onOkClicked: {
                ApplicationManager.deleteListByIndex(queryIndex);
                screenMain.state = "";
            }
        }
    }

    ScreenLazyLayer {
        id: overwriteLayer

        shown: screenMain.state === "newListRequest"
        sourceComponent: ScreenQueryDialog {
            anchors.fill: parent
            objectName: "overwriteQuestion"
            shown: overwriteLayer.open
            queryString: qsTr("List already exists. Do you want to overwrite it?")
                         + ApplicationManager.nullString
            onCancelClicked: screenMain.state = ""
            onOkClicked: {
                screenMain.state = "";
                screenMain.state = "newList";
            }
        }
    }

    ScreenLazyLayer {
        id: languagesLayer

        shown: screenMain.state === "languages"
        sourceComponent: ScreenLanguages {
            anchors.fill: parent
            objectName: "languageSheet"
            opacity: languagesLayer.open ? 1 : 0
            onCancelClicked: screenMain.state = ""
            onOkClicked: screenMain.state = ""
        }
    }

    states: [
        State {
            name: "newList"

            PropertyChanges {
                target: newListLoader
                source: "qrc:/qml/qml/ScreenNewList.qml"
            }
        }
    ]
}
