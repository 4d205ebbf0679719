import QtQuick
import Pantrix

// Holds the list editing screen or the shopping screen, whichever the
// controller shows the open list on, and fades the one it changes to in. The
// screen it leaves goes at once.
Item {
    id: screenEditShop

    state: ApplicationManager.listScreen === ApplicationManager.ShoppingScreen ? "shop" : "edit"

    Loader {
        id: page

        objectName: "page"
        anchors.fill: parent
        sourceComponent: screenEditShop.state === "shop" ? shopScreen : editScreen
        visible: opacity > 0
        onLoaded: {
            item.opacity = 1;
            item.forceActiveFocus();
            fadeIn.restart();
        }

        NumberAnimation on opacity {
            id: fadeIn

            from: 0
            to: 1
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }

    Component {
        id: editScreen

        ScreenEdit {}
    }

    Component {
        id: shopScreen

        ScreenShop {}
    }
}
