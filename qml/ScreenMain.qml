import QtQuick
import "ScreenKeys.js" as ScreenKeys

// The lists screen: the stored lists, the "new list" button, a menu with the
// language sheet and the about window, and the questions before deleting or
// overwriting a list.
Item {
    id: screenMain

    property real menuY: -menuFrame.height

    signal buttonAboutClicked()
    signal newListCreated()
    signal listReadyForShop()
    signal listReadyForEdit()

    width: 800
    height: 480
    // The screen takes the keys when it is shown; sheets and questions take
    // them while they are open, then the screen has them back: Escape closes
    // the menu, the scrolling keys move the lists.
    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    onStateChanged: {
        if (state === "" || state === "menu")
            forceActiveFocus();
    }
    Keys.onPressed: function(event) {
        ScreenKeys.screenKeyPressed(screenMain, listsArea, event, null);
    }

    ScreenHeader {
        id: header

        objectName: "mainHeader"
        anchors.top: parent.top
        width: parent.width
        buttonLeftImage: "qrc:/icons/icons/dashboard-button.png"
        buttonRightImage: "qrc:/icons/icons/quit-button.png"
        headerLabel1: qsTr("Pantrix") + applicationManager.nullString
        headerLabel3: qsTr("available  lists") + applicationManager.nullString
        onButtonLeftClicked: applicationManager.showDashboard()
        onButtonMiddleClicked: screenMain.state = "menu"
        onButtonRightClicked: applicationManager.quit()
    }

    Flickable {
        id: listsArea

        objectName: "listsArea"
        anchors.top: header.bottom
        anchors.topMargin: 5
        width: parent.width
        height: parent.height - 150
        clip: true
        flickableDirection: Flickable.VerticalFlick
        contentWidth: width
        contentHeight: listsColumn.height

        Column {
            id: listsColumn

            width: listsArea.width

            Repeater {
                model: listsDataModel

                ScreenMainDelegate {
                    width: listsColumn.width
                    height: 70
                    onItemClicked: function(index) {
                        if (applicationManager.loadList(index))
                            screenMain.listReadyForShop();
                    }
                    onItemEditClicked: function(index) {
                        if (applicationManager.loadList(index))
                            screenMain.listReadyForEdit();
                    }
                    onItemDeleteClicked: function(index) {
                        deleteQuestion.queryIndex = index;
                        deleteQuestion.queryString = qsTr("List") + " \"" + list_name + "\" "
                                + qsTr("will be deleted. Continue?");
                        screenMain.state = "listDelete";
                    }
                }
            }
        }
    }

    ScreenButton {
        id: footer

        objectName: "buttonNewList"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 70
        buttonBottom: true
        buttonLabel: qsTr("new list") + applicationManager.nullString
        // A stored list that cannot be read shows no row, yet a new list
        // replaces it: that, too, is asked first.
        onButtonClicked: screenMain.state = listsDataModel.rowCount() === 0
                         && !applicationManager.listDocumentExists() ? "newList" : "newListRequest"
    }

    // Menu: a layer over the whole screen; a tap outside the entries closes it.
    MouseArea {
        id: menuLayer

        objectName: "mainMenu"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onClicked: screenMain.state = ""

        Behavior on opacity {
            NumberAnimation {
                duration: 450
                easing.type: Easing.InOutQuart
            }
        }

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 80
            width: parent.width - 140
            height: menuFrame.height
            clip: true

            Rectangle {
                id: menuFrame

                y: screenMain.menuY
                width: parent.width
                height: menuColumn.height + 2
                color: "#A4B5D9"

                MouseArea {
                    anchors.fill: parent
                }

                Column {
                    id: menuColumn

                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 1
                    width: parent.width - 2
                    spacing: 1

                    ScreenMenuItem {
                        objectName: "menuLanguage"
                        width: parent.width
                        label: qsTr("Language") + applicationManager.nullString
                        onItemClicked: {
                            languageSheet.currentLanguage = languagesDataModel.currentLanguageIndex();
                            screenMain.state = "languages";
                        }
                    }

                    ScreenMenuItem {
                        objectName: "menuAbout"
                        width: parent.width
                        label: qsTr("About") + applicationManager.nullString
                        onItemClicked: {
                            screenMain.state = "";
                            screenMain.buttonAboutClicked();
                        }
                    }
                }
            }
        }
    }

    Loader {
        id: newListLoader

        objectName: "newListLoader"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onStatusChanged: {
            if (status === Loader.Null)
                opacity = 0;
        }
        onLoaded: {
            opacity = 1;
            item.listNameString = "";
            item.listCurrencyUnitIndex = currencyUnitsDataModel.currentCurrencyIndex();
            item.listNoteString = "";
        }

        Connections {
            target: newListLoader.item

            function onCancelClicked() {
                screenMain.state = "";
            }

            function onCreateClicked() {
                const sheet = newListLoader.item;
                const created = applicationManager.createNewList(sheet.listNameString,
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
        visible: opacity > 0
        winScale: 0.001
        buttonNoOpacity: 0
        onCancelClicked: screenMain.state = ""
        onOkClicked: {
            applicationManager.deleteListByIndex(queryIndex);
            screenMain.state = "";
        }
    }

    ScreenQueryDialog {
        id: overwriteQuestion

        objectName: "overwriteQuestion"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        winScale: 0.001
        buttonNoOpacity: 0
        queryString: qsTr("List already exists. Do you want to overwrite it?")
                     + applicationManager.nullString
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
        visible: opacity > 0
        onCancelClicked: screenMain.state = ""
        onOkClicked: screenMain.state = ""
    }

    states: [
        State {
            name: "menu"

            PropertyChanges {
                target: menuLayer
                opacity: 1
            }

            PropertyChanges {
                target: screenMain
                menuY: 0
            }
        },
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
            properties: "winScale,menuY"
            duration: 450
            easing.type: Easing.InOutQuart
        }
    }
}
