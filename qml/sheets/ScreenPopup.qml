import QtQuick

// A box over the whole screen that grows out of its centre (`winScale`) when
// it is shown and shrinks back when it is hidden. A tap outside the box counts
// as Cancel; while it is shown it has the keys: Return is Ok, Escape is Cancel.
Item {
    id: screenPopup

    property bool shown: false
    property int growDuration: Theme.duration
    readonly property alias winScale: box.scale
    property alias title: titleBar.title
    property real boxHeight: Theme.popupHeight
    property alias boxColor: box.color
    property alias boxName: box.objectName
    // Whether a tap on the box itself is kept from the area outside it.
    property bool boxTakesTaps: true
    default property alias content: box.data

    signal cancelClicked()
    signal okClicked()

    opacity: shown ? 1 : 0
    visible: opacity > 0
    Accessible.role: Accessible.Dialog
    Accessible.name: title
    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    Keys.onReturnPressed: okClicked()
    Keys.onEnterPressed: okClicked()
    Keys.onEscapePressed: cancelClicked()

    MouseArea {
        anchors.fill: parent
        onClicked: screenPopup.cancelClicked()
    }

    Rectangle {
        id: box

        anchors.centerIn: parent
        width: Math.min(Theme.popupWidth, screenPopup.width - 2 * Theme.windowMargin)
        height: screenPopup.boxHeight
        radius: Theme.radius
        color: Theme.box
        scale: screenPopup.shown ? 1 : 0.001

        Behavior on scale {
            NumberAnimation {
                duration: screenPopup.growDuration
                easing.type: Theme.easing
            }
        }

        MouseArea {
            anchors.fill: parent
            enabled: screenPopup.boxTakesTaps
        }

        ScreenSheetTitle {
            id: titleBar

            visible: titleBar.title !== ""
        }
    }
}
