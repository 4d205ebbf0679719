pragma ComponentBehavior: Bound

import QtQuick
import qml

// The lists screen: the stored lists, the "new list" button, a menu with the
// language sheet and the about window, and the questions before deleting or
// overwriting a list. The menu, the questions and the sheets are made when
// they are first shown.
ScreenBase {
    id: screenMain

    // The stored list the delete question asks about: its row, or -1 for the
    // file that cannot be read.
    property int deleteIndex: 0
    property string deleteQuestionText: ""

    signal buttonAboutClicked()
    signal newListCreated()
    signal listReadyForShop()
    signal listReadyForEdit()

    // Makes the list the new-list sheet pSheet describes. The sheet's type is
    // not named here, so that its file, and every file it names, is read when
    // the sheet is first shown rather than before the screen's first frame.
    function createList(pSheet) {
        const created = ApplicationManager.createNewList(pSheet.listNameString,
                                                         pSheet.listCurrencyUnitIndex,
                                                         pSheet.listNoteString);
        if (created)
            screenMain.newListCreated();
        screenMain.state = "";
    }

    function askDelete(pIndex, pQuestion) {
        deleteIndex = pIndex;
        deleteQuestionText = pQuestion;
        state = "listDelete";
    }

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
                screenMain.askDelete(pIndex, qsTr("List") + " \"" + listRow.model.list_name + "\" "
                                     + qsTr("will be deleted. Continue?"));
            }
        }
    }

    // A stored list that cannot be read is said to be there, and can go to
    // the trash, so that a new list does not replace it unasked.
    Item {
        id: unreadable

        readonly property string file: ApplicationManager.unreadableList.replace(/^.*\//, "")

        anchors.fill: listsArea
        visible: file !== ""

        Item {
            width: Math.min(parent.width, Theme.maxWidth)
            height: Theme.rowHeight
            anchors.horizontalCenter: parent.horizontalCenter

            ScreenItemRow {
                editable: false
                onDeleteClicked: {
                    screenMain.askDelete(-1, qsTr("The list file \"%1\" cannot be read. Move it to the trash?")
                                         .arg(unreadable.file));
                }

                ScreenItemTexts {
                    kind: "unreadable"
                    name: qsTr("This list cannot be read") + ApplicationManager.nullString
                    note: unreadable.file
                }
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
        scene: "qrc:/qml/qml/ScreenListsMenu.qml"

        Binding {
            target: menuLayer.item
            property: "open"
            value: menuLayer.open
        }

        Connections {
            target: menuLayer.item

            function onCloseClicked() {
                screenMain.state = "";
            }

            function onLanguageClicked() {
                screenMain.state = "languages";
            }

            function onAboutClicked() {
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
            const sheet = newListLoader.item;
            sheet.listNameString = "";
            sheet.listCurrencyUnitIndex = CurrencyUnitsDataModel.currentCurrencyIndex();
            sheet.listNoteString = "";
        }

        Connections {
            target: newListLoader.item
            ignoreUnknownSignals: true

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onCreateClicked() {
                screenMain.createList(newListLoader.item);
            }
        }
    }

    ScreenLazyLayer {
        id: deleteLayer

        shown: screenMain.state === "listDelete"
        scene: "qrc:/qml/qml/ScreenQueryDialog.qml"
        initial: ({objectName: "deleteQuestion"})

        Binding {
            target: deleteLayer.item
            property: "shown"
            value: deleteLayer.open
        }

        Binding {
            target: deleteLayer.item
            property: "queryString"
            value: screenMain.deleteQuestionText
        }

        Connections {
            target: deleteLayer.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onOkClicked() {
                if (screenMain.deleteIndex < 0)
                    ApplicationManager.deleteList(ApplicationManager.unreadableList);
                else
                    ApplicationManager.deleteListByIndex(screenMain.deleteIndex);
                screenMain.state = "";
            }
        }
    }

    ScreenLazyLayer {
        id: overwriteLayer

        shown: screenMain.state === "newListRequest"
        scene: "qrc:/qml/qml/ScreenQueryDialog.qml"
        initial: ({objectName: "overwriteQuestion"})

        Binding {
            target: overwriteLayer.item
            property: "shown"
            value: overwriteLayer.open
        }

        Binding {
            target: overwriteLayer.item
            property: "queryString"
            value: qsTr("List already exists. Do you want to overwrite it?")
                   + ApplicationManager.nullString
        }

        Connections {
            target: overwriteLayer.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onOkClicked() {
                screenMain.state = "";
                screenMain.state = "newList";
            }
        }
    }

    ScreenLazyLayer {
        id: languagesLayer

        shown: screenMain.state === "languages"
        scene: "qrc:/qml/qml/ScreenLanguages.qml"
        initial: ({objectName: "languageSheet"})

        Binding {
            target: languagesLayer.item
            property: "opacity"
            value: languagesLayer.open ? 1 : 0
        }

        Connections {
            target: languagesLayer.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onOkClicked() {
                screenMain.state = "";
            }
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
