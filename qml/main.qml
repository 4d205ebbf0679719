import QtQuick

Rectangle {
    id: root

    width: 800
    height: 480
    color: "#000000"

    Component.onCompleted: myItemsTimer.start()

    Timer {
        id: myItemsTimer

        interval: 500
        repeat: false
        onTriggered: categoriesDataModel.loadModel()
    }
}
