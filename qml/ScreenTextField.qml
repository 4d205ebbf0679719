import QtQuick

// A text input on a white rounded box; a tap anywhere on the box focuses it.
// Beside an end box its right side is square and the end box takes 71 px.
Item {
    id: screenTextField

    property alias text: input.text
    property alias inputName: input.objectName
    property alias validator: input.validator
    property bool besideEnd: false
    readonly property alias input: input

    function focusInput() {
        input.forceActiveFocus();
    }

    width: parent.width - (besideEnd ? 71 : 0)
    height: parent.height
    clip: besideEnd

    Rectangle {
        width: parent.width + (screenTextField.besideEnd ? 40 : 0)
        height: parent.height
        radius: Theme.radius
        color: Theme.field
        border.color: Theme.inputBorder
        border.width: screenTextField.besideEnd ? 0 : 1
    }

    MouseArea {
        anchors.fill: parent
        onClicked: screenTextField.focusInput()
    }

    TextInput {
        id: input

        anchors.verticalCenter: parent.verticalCenter
        x: 20
        width: parent.width - (screenTextField.besideEnd ? 30 : 40)
        clip: true
        color: Theme.inputText
        font.pixelSize: Theme.fontInput
        selectByMouse: true
        activeFocusOnTab: true
    }
}
