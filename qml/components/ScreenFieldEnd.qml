import QtQuick

// The 70 px box at the right end of a form field, rounded on its right side
// only: a button (a bar-coloured box that dims while pressed) or, with
// `button` off, a label on white.
ScreenPressable {
    id: screenFieldEnd

    property alias text: label.text
    property alias label: label
    property bool button: true

    signal clicked()

    anchors.right: parent.right
    width: Theme.zoneWidth
    height: parent.height
    clip: true
    activeFocusOnTab: button && visible
    ringRadius: Theme.radius
    Accessible.role: button ? Accessible.Button : Accessible.StaticText
    Accessible.name: text
    onActivated: {
        if (button)
            clicked();
    }

    Rectangle {
        x: -Theme.hiddenCorners
        width: parent.width + Theme.hiddenCorners
        height: parent.height
        radius: Theme.radius
        color: screenFieldEnd.button ? Theme.bar : Theme.field
        opacity: area.pressed ? Theme.pressedOpacity : 1
    }

    ScreenLabel {
        id: label

        anchors.fill: parent
        color: screenFieldEnd.button ? Theme.text : Theme.inputText
        font.pixelSize: Theme.fontButton
    }

    MouseArea {
        id: area

        anchors.fill: parent
        enabled: screenFieldEnd.button
        onClicked: screenFieldEnd.clicked()
    }
}
