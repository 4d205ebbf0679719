import QtQuick
import qml

// Holds the list editing screen or the shopping screen, whichever the state
// names, and cross-fades between them. Only the active page is loaded: the
// sources follow the state through bindings, so that each page is made once
// (the state's transition sets the properties of its changes twice).
Item {
    id: screenEditShop

    signal listsClicked()

    Loader {
        id: pageShop

        objectName: "pageShop"
        anchors.fill: parent
        source: screenEditShop.state === "shop" ? "qrc:/qml/qml/ScreenShop.qml" : ""
        opacity: 0
        visible: opacity > 0
        onLoaded: {
            ListDataModel.updateCountPrice();
            pageShop.item.opacity = 1;
            pageShop.item.forceActiveFocus();
        }

        Connections {
            target: pageShop.item as ScreenShop

            function onBackClicked() {
                screenEditShop.listsClicked();
            }

            function onEditModeClicked() {
                if (ListDataModel.isSortByCategory())
                    CategoriesDataModel.sortByCategory(true);
                else
                    CategoriesDataModel.sortByProduct(true);
                screenEditShop.state = "edit";
            }
        }
    }

    Loader {
        id: pageEdit

        objectName: "pageEdit"
        anchors.fill: parent
        source: screenEditShop.state === "edit" ? "qrc:/qml/qml/ScreenEdit.qml" : ""
        opacity: 0
        visible: opacity > 0
        onLoaded: {
            ListDataModel.displayList(true);
            ListDataModel.updateCountPrice();
            pageEdit.item.opacity = 1;
            pageEdit.item.forceActiveFocus();
        }

        Connections {
            target: pageEdit.item as ScreenEdit

            function onBackClicked() {
                screenEditShop.listsClicked();
            }

            function onShopModeClicked() {
                screenEditShop.state = "shop";
            }
        }
    }

    states: [
        State {
            name: "shop"

            PropertyChanges {
                target: pageShop
                opacity: 1
            }
        },
        State {
            name: "edit"

            PropertyChanges {
                target: pageEdit
                opacity: 1
            }
        }
    ]

    transitions: Transition {
        NumberAnimation {
            properties: "opacity"
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }
}
