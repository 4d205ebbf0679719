import QtQuick

// Holds the list editing screen or the shopping screen, whichever the state
// names, and cross-fades between them. Only the active page is loaded.
Item {
    id: screenEditShop

    signal listsClicked()

    width: 800
    height: 480

    Loader {
        id: pageShop

        objectName: "pageShop"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onLoaded: {
            listDataModel.updateCountPrice();
            item.opacity = 1;
            item.forceActiveFocus();
        }

        Connections {
            target: pageShop.item
            ignoreUnknownSignals: true

            function onBackClicked() {
                screenEditShop.listsClicked();
            }

            function onEditModeClicked() {
                if (listDataModel.isSortByCategory())
                    categoriesDataModel.sortByCategory(true);
                else
                    categoriesDataModel.sortByProduct(true);
                screenEditShop.state = "edit";
            }
        }
    }

    Loader {
        id: pageEdit

        objectName: "pageEdit"
        anchors.fill: parent
        opacity: 0
        visible: opacity > 0
        onLoaded: {
            listDataModel.displayList(true);
            listDataModel.updateCountPrice();
            item.opacity = 1;
            item.forceActiveFocus();
        }

        Connections {
            target: pageEdit.item
            ignoreUnknownSignals: true

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
                source: "qrc:/qml/qml/ScreenShop.qml"
            }

            PropertyChanges {
                target: pageEdit
                opacity: 0
                source: ""
            }
        },
        State {
            name: "edit"

            PropertyChanges {
                target: pageEdit
                opacity: 1
                source: "qrc:/qml/qml/ScreenEdit.qml"
            }

            PropertyChanges {
                target: pageShop
                opacity: 0
                source: ""
            }
        }
    ]

    transitions: Transition {
        NumberAnimation {
            properties: "opacity"
            duration: 450
            easing.type: Easing.InOutQuart
        }
    }
}
