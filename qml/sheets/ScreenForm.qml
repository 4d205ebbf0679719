import QtQuick
import Pantrix

// A form over the screen, the item dialog or the list sheet: its sheet at the
// bottom (`form`, which holds `formContent`) and the choosers that open in its
// place, in states of their own; a tap on the shade around it is Cancel. It
// opens ready for typing in `firstField`, and back from a chooser the form has
// the keys again.
Item {
    id: screenForm

    property bool shown: false
    property ScreenFormRow firstField
    readonly property alias form: sheet
    property alias formContent: sheet.data

    signal cancelClicked()
    signal createClicked()

    // A chooser opens in place of the form, in its state pState.
    function openChooser(pState: string) {
        sheet.dropFocus();
        state = pState;
    }

    function closeChooser() {
        state = "";
        form.dropFocus();
    }

    visible: shown
    onVisibleChanged: {
        if (visible)
            firstField.focusInput();
    }

    ScreenShade {
        onClicked: {
            sheet.dropFocus();
            screenForm.cancelClicked();
        }
    }

    ScreenSheet {
        id: sheet

        opacity: screenForm.state === "" ? 1 : 0
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        onCancelClicked: screenForm.cancelClicked()
        onOkClicked: screenForm.createClicked()
    }
}
