import QtQuick
import Pantrix

// The ring inside the edge of the control that has the keys, shown once a key
// has been used: nothing is drawn differently while only taps are used.
Rectangle {
    property Item control: parent
    property bool shown: true

    anchors.fill: parent
    z: 1
    visible: shown && ApplicationManager.keyboardInUse && control.activeFocus
    color: Theme.none
    border.width: Theme.focusWidth
    border.color: Theme.focusRing

    Rectangle {
        anchors.fill: parent
        anchors.margins: Theme.focusWidth
        radius: Math.max(0, parent.radius - Theme.focusWidth)
        color: Theme.none
        border.width: 1
        border.color: Theme.focusLining
    }
}
