import QtQuick

// A sheet: a rounded light panel with its title bar at the top and Cancel
// and Ok along the bottom. A tap on the panel takes the focus off its inputs
// (which closes the on-screen keyboard); while the sheet has the focus,
// Return and Escape press its Ok and Cancel.
Item {
    id: screenSheet

    property alias title: titleBar.title
    property alias cancelName: buttons.cancelName
    property alias okName: buttons.okName
    property alias okOpacity: buttons.okOpacity
    // The panel's own inset from the sheet's sides.
    property real inset: 0
    readonly property alias titleBar: titleBar
    readonly property alias buttonBar: buttons

    signal cancelClicked()
    signal okClicked()

    function dropFocus() {
        forceActiveFocus();
    }

    visible: opacity > 0
    Accessible.role: Accessible.Dialog
    Accessible.name: title
    Keys.onReturnPressed: buttons.pressOk()
    Keys.onEnterPressed: buttons.pressOk()
    Keys.onEscapePressed: buttons.pressCancel()

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: screenSheet.inset
        anchors.rightMargin: screenSheet.inset
        radius: Theme.radius
        color: Theme.barLight
    }

    MouseArea {
        anchors.fill: parent
        onClicked: screenSheet.dropFocus()
    }

    ScreenSheetTitle {
        id: titleBar
    }

    ScreenSheetButtons {
        id: buttons

        onCancelClicked: {
            screenSheet.dropFocus();
            screenSheet.cancelClicked();
        }
        onOkClicked: {
            screenSheet.dropFocus();
            screenSheet.okClicked();
        }
    }
}
