import QtQuick
import Pantrix

// The root scene: the lists screen, the editing and shopping container that
// slides in from the right while a list is open, and the about window. Only
// the lists screen's type is named here: the engine reads every type a scene
// names, and the types those name, before it shows the first frame.
Rectangle {
    id: root

    property bool aboutShown: false
    readonly property bool listOpen: ApplicationManager.listScreen !== ApplicationManager.NoList

    width: 800
    height: 480
    color: Theme.background
    state: ApplicationManager.listScreen === ApplicationManager.EditingScreen
           ? "edit"
           : ApplicationManager.listScreen === ApplicationManager.ShoppingScreen
             ? "shop" : aboutShown ? "about" : ""
    // Back in front, the lists screen has the keys again.
    onStateChanged: {
        if (state === "")
            mainLoader.forceActiveFocus();
    }

    // Ctrl+Q, or what quit means on this desktop, as the quit button does.
    Shortcut {
        // StandardKey is registered when the engine runs; Qt 6.4's linter
        // does not know it.
        // qmllint disable unqualified
        sequences: [StandardKey.Quit]
        // qmllint enable unqualified
        onActivated: ApplicationManager.quit()
    }

    Component.onCompleted: mainLoader.source = "ScreenMain.qml"

    // While a list is open the lists screen lies out of sight at the left.
    Loader {
        id: mainLoader

        objectName: "mainLoader"
        x: root.listOpen ? -width : 0
        enabled: !root.aboutShown
        width: parent.width
        height: parent.height
        opacity: status === Loader.Ready && !root.listOpen ? 1 : 0
        visible: opacity > 0

        Behavior on x {
            NumberAnimation {
                duration: Theme.duration
                easing.type: Theme.easing
            }
        }

        Connections {
            target: mainLoader.item as ScreenMain

            function onButtonAboutClicked() {
                root.aboutShown = true;
            }
        }
    }

    // The container is made when a list opens, and slides in from the right;
    // it goes at once when the list closes, while the lists screen slides back.
    Loader {
        id: editShopLoader

        x: root.listOpen ? 0 : parent.width
        width: parent.width
        height: parent.height
        active: root.listOpen
        source: "ScreenEditShop.qml"

        Behavior on x {
            NumberAnimation {
                duration: Theme.duration
                easing.type: Theme.easing
            }
        }
    }

    ScreenLayer {
        id: about

        objectName: "aboutLoader"
        shown: root.aboutShown
        source: "ScreenAbout.qml"

        Connections {
            target: about.item

            function onAreaClicked() {
                root.aboutShown = false;
            }
        }
    }
}
