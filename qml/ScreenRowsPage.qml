import QtQuick

// A page of rows: the model's rows, one under the other, flicked vertically.
Flickable {
    id: screenRowsPage

    property alias model: repeater.model
    property alias delegate: repeater.delegate
    // Whether changes of the page's opacity fade in and out.
    property bool fades: false

    clip: true
    contentWidth: width
    contentHeight: column.height
    flickableDirection: Flickable.VerticalFlick
    visible: opacity > 0

    Behavior on opacity {
        enabled: screenRowsPage.fades

        NumberAnimation {
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }

    Column {
        id: column

        width: screenRowsPage.width

        Repeater {
            id: repeater
        }
    }
}
