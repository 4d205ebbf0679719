import QtQuick
import qml

// The root scene: the lists screen, the editing and shopping container that
// slides in from the right, and the about window. Only the lists screen's type
// is named here: the engine reads every type a scene names, and the types
// those name, before it shows the first frame.
Rectangle {
    id: root

    // Slides the open list in, on its editing or shopping screen.
    function openList(pState) {
        editShopLoader.stateToActivate = pState;
        editShopLoader.source = "qrc:/qml/qml/ScreenEditShop.qml";
    }

    width: 800
    height: 480
    color: Theme.background
    // Back in front, the lists screen has the keys again.
    onStateChanged: {
        if (state === "")
            mainLoader.forceActiveFocus();
    }

    Component.onCompleted: {
        mainLoader.source = "qrc:/qml/qml/ScreenMain.qml";
        myItemsTimer.start();
    }

    Loader {
        id: mainLoader

        objectName: "mainLoader"
        x: 0
        width: parent.width
        height: parent.height
        opacity: 0
        visible: opacity > 0
        onLoaded: opacity = 1

        Connections {
            target: mainLoader.item as ScreenMain

            function onButtonAboutClicked() {
                aboutLoader.source = "qrc:/qml/qml/ScreenAbout.qml";
            }

            function onNewListCreated() {
                root.openList("edit");
            }

            function onListReadyForShop() {
                ListDataModel.displayList(true);
                root.openList("shop");
            }

            function onListReadyForEdit() {
                root.openList("edit");
            }
        }
    }

    Loader {
        id: editShopLoader

        property string stateToActivate: ""

        x: parent.width
        width: parent.width
        height: parent.height
        opacity: 0
        visible: opacity > 0
        // The container's state is set here and not by the root's states: a
        // state change with a transition sets its other properties twice (to
        // find where the animated ones start), which would make the page twice.
        onLoaded: {
            item.state = stateToActivate;
            root.state = stateToActivate;
        }

        Connections {
            target: editShopLoader.item

            function onListsClicked() {
                ApplicationManager.updateListsDataModel();
                ListDataModel.releaseModel();
                root.state = "";
                editShopLoader.source = "";
            }
        }
    }

    Loader {
        id: aboutLoader

        objectName: "aboutLoader"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onLoaded: root.state = "about"

        Connections {
            target: aboutLoader.item

            function onAreaClicked() {
                root.state = "";
                aboutLoader.source = "";
            }
        }
    }

    Timer {
        id: myItemsTimer

        interval: 500
        repeat: false
        onTriggered: CategoriesDataModel.loadModel()
    }

    states: [
        State {
            name: "about"

            PropertyChanges {
                target: aboutLoader
                opacity: 1
            }

            PropertyChanges {
                target: aboutLoader.item
                shown: true
            }
        },
        // What the editing and shopping states share: the container slid in.
        State {
            name: "open"

            PropertyChanges {
                target: editShopLoader
                x: 0
                opacity: 1
            }

            PropertyChanges {
                target: mainLoader
                x: -mainLoader.width
                opacity: 0
            }
        },
        State {
            name: "edit"
            extend: "open"
        },
        State {
            name: "shop"
            extend: "open"
        }
    ]

    transitions: Transition {
        NumberAnimation {
            properties: "x"
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }
}
