import QtQuick

// One row of a form: a label, and right of it the field it names (the row's
// children: a text field, an end box).
Item {
    id: screenFormRow

    property string label: ""
    default property alias field: fieldArea.data

    width: parent.width
    height: Theme.fieldHeight

    Text {
        id: labelText

        width: Theme.labelWidth
        height: parent.height
        // A label longer than its column (Russian "Количество: ") is set
        // smaller rather than cut off at the screen edge.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 12
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        color: Theme.text
        font.pixelSize: Theme.fontLabel
        font.bold: true
        text: screenFormRow.label + ": "
    }

    Item {
        id: fieldArea

        anchors.left: labelText.right
        anchors.right: parent.right
        height: parent.height
    }
}
