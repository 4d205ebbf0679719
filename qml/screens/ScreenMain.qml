pragma ComponentBehavior: Bound

import QtQuick
import Pantrix

// The lists screen: the stored lists, the "new list" button, a menu with the
// language sheet and the about window, and the questions before deleting or
// overwriting a list. The menu, the questions and the sheets are made from
// their files when they are first shown, so that neither they nor the types
// they name are read before the screen's first frame. States: "menu",
// "listDelete", "newListRequest", "newList", "languages".
ScreenBase {
    id: screenMain

    // The stored list the delete question asks about: its row, or -1 for the
    // file that cannot be read.
    property int deleteIndex: 0
    property string deleteQuestionText: ""

    signal buttonAboutClicked()

    // Opens the list the new-list sheet pSheet describes. The sheet's type is
    // not named here, so that its file is read only when it is first shown.
    function createList(pSheet) {
        state = "";
        ApplicationManager.openNewList(pSheet.listNameString, pSheet.listCurrencyUnitIndex,
                                       pSheet.listNoteString);
    }

    function askDelete(pIndex: int, pQuestion: string) {
        deleteIndex = pIndex;
        deleteQuestionText = pQuestion;
        state = "listDelete";
    }

    rows: listsArea

    // Ctrl+N, or what new means on this desktop.
    Shortcut {
        // StandardKey is registered when the engine runs; Qt 6.4's linter
        // does not know it.
        // qmllint disable unqualified
        sequences: [StandardKey.New]
        // qmllint enable unqualified
        enabled: screenMain.visible && screenMain.state === ""
        onActivated: newListButton.press()
    }

    // While a menu, a sheet or a question is open, the screen beneath takes
    // neither taps nor keys.
    ScreenHeader {
        id: header

        anchors.top: parent.top
        width: parent.width
        enabled: screenMain.state === ""
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/quit-button.png"
        headerLabel1: qsTr("Pantrix")
        headerLabel3: qsTr("available  lists")
        onButtonLeftClicked: ApplicationManager.showDashboard()
        onButtonMiddleClicked: screenMain.state = "menu"
        onButtonRightClicked: ApplicationManager.quit()
    }

    ScreenRowsPage {
        id: listsArea

        anchors.top: header.bottom
        anchors.topMargin: Theme.gap
        width: parent.width
        height: parent.height - Theme.listsScreenFrame
        enabled: screenMain.state === ""
        model: ListsDataModel
        kind: ScreenRowsPage.StoredLists
        itemContent: Component {
            ScreenItemRow {
                id: band

                required property ScreenLazyRow row

                tappable: true
                onTapped: listsArea.tapped(row.index)
                onEditClicked: listsArea.editClicked(row.index)
                onDeleteClicked: listsArea.deleteClicked(row.index, row.model.list_name)

                ScreenItemTexts {
                    kind: "list"
                    name: band.row.model.list_name
                    note: band.row.model.list_note
                    amountText: qsTr("%n item(s)", "", parseInt(band.row.model.items_list, 10) || 0)
                    priceText: band.row.model.price_list === ""
                               ? ""
                               : band.row.model.price_list + " " + CurrencyUnitsDataModel.currencySign(
                                         parseInt(band.row.model.price_unit, 10) || 0)
                }
            }
        }
        onTapped: pRow => ApplicationManager.openList(pRow, ApplicationManager.ShoppingScreen)
        onEditClicked: pRow => ApplicationManager.openList(pRow, ApplicationManager.EditingScreen)
        onDeleteClicked: function(pRow, pName) {
            screenMain.askDelete(pRow, qsTr("List") + " \"" + pName + "\" "
                                 + qsTr("will be deleted. Continue?"));
        }
    }

    // A stored list that cannot be read is said to be there, and can go to
    // the trash, so that a new list does not replace it unasked.
    Item {
        id: unreadable

        readonly property string file: ApplicationManager.unreadableList.replace(/^.*\//, "")

        anchors.top: listsArea.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        height: Theme.rowHeight
        visible: file !== ""
        enabled: screenMain.state === ""

        ScreenItemRow {
            editable: false
            zonesOnTab: true
            onDeleteClicked: screenMain.askDelete(-1, qsTr("The list file \"%1\" cannot be read. Move it to the trash?")
                                                  .arg(unreadable.file))

            ScreenItemTexts {
                kind: "unreadable"
                name: qsTr("This list cannot be read")
                note: unreadable.file
            }
        }
    }

    ScreenButton {
        id: newListButton

        objectName: "buttonNewList"
        enabled: screenMain.state === ""
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.rowHeight
        buttonBottom: true
        buttonLabel: qsTr("new list")
        // A stored list that cannot be read shows no row, yet a new list
        // replaces it: that, too, is asked first.
        onButtonClicked: screenMain.state = ListsDataModel.rowCount() === 0
                         && !ApplicationManager.listDocumentExists() ? "newList" : "newListRequest"
    }

    ScreenMenu {
        shown: screenMain.state === "menu"
        onCloseClicked: screenMain.state = ""

        ScreenMenuItem {
            objectName: "menuLanguage"
            label: qsTr("Language")
            onItemClicked: screenMain.state = "languages"
        }

        ScreenMenuItem {
            objectName: "menuAbout"
            label: qsTr("About")
            onItemClicked: {
                screenMain.state = "";
                screenMain.buttonAboutClicked();
            }
        }
    }

    ScreenLayer {
        id: newListLayer

        objectName: "newListLoader"
        shown: screenMain.state === "newList"
        source: "ScreenNewList.qml"
        onLoaded: item.listCurrencyUnitIndex = CurrencyUnitsDataModel.currentCurrencyIndex()

        Connections {
            target: newListLayer.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onCreateClicked() {
                screenMain.createList(newListLayer.item);
            }
        }
    }

    // The delete question and the question whether to overwrite the stored
    // list, which follows a language switch like every other text.
    ScreenLayer {
        id: questionLayer

        readonly property bool overwriting: screenMain.state === "newListRequest"

        shown: screenMain.state === "listDelete" || overwriting
        kept: true
        source: "ScreenQueryDialog.qml"
        onLoaded: item.objectName = "listQuestion"

        Binding {
            target: questionLayer.item
            property: "queryString"
            value: questionLayer.overwriting
                   ? qsTr("List already exists. Do you want to overwrite it?")
                   : screenMain.deleteQuestionText
        }

        Connections {
            target: questionLayer.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onOkClicked() {
                if (questionLayer.overwriting) {
                    screenMain.state = "newList";
                    return;
                }
                if (screenMain.deleteIndex < 0)
                    ApplicationManager.deleteList(ApplicationManager.unreadableList);
                else
                    ApplicationManager.deleteListByIndex(screenMain.deleteIndex);
                screenMain.state = "";
            }
        }
    }

    ScreenLayer {
        id: languagesLayer

        objectName: "languageSheet"
        shown: screenMain.state === "languages"
        source: "ScreenLanguages.qml"

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
}
