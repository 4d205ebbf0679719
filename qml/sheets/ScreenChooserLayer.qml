import QtQuick
import Pantrix

// A chooser as a layer of its own, at the bottom of the screen over a shade;
// a tap on the shade is Cancel. As it is shown it says `opening()`, and then
// its list has the keys.
Item {
    id: screenChooserLayer

    property bool shown: false
    property alias sheetHeight: chooser.height
    property alias title: chooser.title
    property alias listName: chooser.listName
    property alias okName: chooser.okName
    property alias model: chooser.model
    property alias delegate: chooser.delegate
    property alias currentIndex: chooser.currentIndex
    property alias rowText: chooser.rowText

    signal opening()
    signal cancelClicked()
    signal okClicked()

    visible: shown
    onVisibleChanged: {
        if (!visible)
            return;
        opening();
        chooser.takeKeys();
    }

    ScreenShade {
        onClicked: screenChooserLayer.cancelClicked()
    }

    ScreenChooser {
        id: chooser

        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        onCancelClicked: screenChooserLayer.cancelClicked()
        onOkClicked: screenChooserLayer.okClicked()
    }
}
