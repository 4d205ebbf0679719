import QtQuick
import Pantrix

// What the last deletion did, with UNDO to take it back, for as long as the
// controller offers it, or the controller's notice: at the bottom, above the
// screen's button bars, while the screen is `free` (no menu, sheet or
// question over it). While hidden it takes no taps.
Rectangle {
    id: screenUndoBar

    property bool free: true
    readonly property bool shown: free && (ApplicationManager.undoOffer !== ""
                                           || ApplicationManager.notice !== "")
    // The text stays while the bar fades out.
    property string message: ""
    property bool undoable: false

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
    Accessible.name: message

    Behavior on opacity {
        NumberAnimation {
            duration: Theme.quickDuration
        }
    }

    Connections {
        target: ApplicationManager

        function onUndoOfferChanged() {
            if (ApplicationManager.undoOffer === "")
                return;
            screenUndoBar.message = ApplicationManager.undoOffer;
            screenUndoBar.undoable = true;
        }

        function onNoticeChanged() {
            if (ApplicationManager.notice === "")
                return;
            screenUndoBar.message = ApplicationManager.notice;
            screenUndoBar.undoable = false;
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
        anchors.right: screenUndoBar.undoable ? undoButton.left : parent.right
        anchors.rightMargin: screenUndoBar.undoable ? Theme.gap : Theme.margin
        height: parent.height
        horizontalAlignment: Text.AlignLeft
        color: Theme.inputText
        font.pixelSize: Theme.fontLabel
        text: screenUndoBar.message
    }

    ScreenButton {
        id: undoButton

        objectName: "undoButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: Theme.undoButtonWidth
        height: parent.height - 2 * Theme.rowInset
        opacity: screenUndoBar.undoable ? 1 : 0
        buttonLeft: true
        buttonRight: true
        buttonTop: true
        buttonBottom: true
        buttonRadius: Theme.bandRadius
        buttonLabel: qsTr("Undo")
        onButtonClicked: ApplicationManager.undo()
    }
}
