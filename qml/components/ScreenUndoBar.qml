import QtQuick
import Pantrix

// What the last deletion did, with UNDO to take it back, for as long as the
// controller offers it: at the bottom, above the screens' button bars. While
// hidden it takes no taps.
Rectangle {
    id: screenUndoBar

    readonly property bool shown: ApplicationManager.undoOffer !== ""
    // The offer's text stays while the bar fades out.
    property string offer: ""

    anchors.horizontalCenter: parent.horizontalCenter
    anchors.bottom: parent.bottom
    anchors.bottomMargin: Theme.buttonBarHeight + Theme.gap
    width: Math.min(parent.width - 2 * Theme.gap, Theme.maxWidth)
    height: Theme.undoBarHeight
    radius: Theme.bandRadius
    color: Theme.undoBar
    opacity: shown ? 1 : 0
    visible: opacity > 0
    Accessible.role: Accessible.AlertMessage
    Accessible.name: offer

    Behavior on opacity {
        NumberAnimation {
            duration: Theme.quickDuration
        }
    }

    Connections {
        target: ApplicationManager

        function onUndoOfferChanged() {
            if (ApplicationManager.undoOffer !== "")
                screenUndoBar.offer = ApplicationManager.undoOffer;
        }
    }

    // Taps on the bar stay off the rows beneath it.
    MouseArea {
        anchors.fill: parent
    }

    ScreenLabel {
        objectName: "undoText"
        anchors.left: parent.left
        anchors.leftMargin: Theme.margin
        anchors.right: undoButton.left
        anchors.rightMargin: Theme.gap
        height: parent.height
        horizontalAlignment: Text.AlignLeft
        color: Theme.inputText
        font.pixelSize: Theme.fontLabel
        text: screenUndoBar.offer
    }

    ScreenButton {
        id: undoButton

        objectName: "undoButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: Theme.undoButtonWidth
        height: parent.height - 2 * Theme.rowInset
        buttonLeft: true
        buttonRight: true
        buttonTop: true
        buttonBottom: true
        buttonRadius: Theme.bandRadius
        buttonLabel: qsTr("Undo")
        onButtonClicked: ApplicationManager.undo()
    }
}
