import QtQuick

// A page of rows: the model's rows, one under the other, flicked vertically.
Flickable {
    id: screenRowsPage

    property alias model: repeater.model
    property alias delegate: repeater.delegate

    clip: true
    contentWidth: width
    contentHeight: column.height
    flickableDirection: Flickable.VerticalFlick
    visible: opacity > 0

    Column {
        id: column

        width: screenRowsPage.width

        Repeater {
            id: repeater
        }
    }
}
