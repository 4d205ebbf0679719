import QtQuick

// A drop-down menu: a layer over the whole screen that fades in while the
// entries slide down out of the header. A tap outside the entries asks to
// close it. Shown, it has the keys: Down and Up move them along the entries.
// Entries that the window is too short for scroll.
MouseArea {
    id: screenMenu

    property bool shown: false
    property int slideDuration: Theme.duration
    default property alias entries: column.data

    signal closeClicked()

    // Moves the keys to the next entry, or the previous one: while the menu
    // is shown nothing beneath it takes the keys.
    function moveFocus(pForward: bool) {
        const from = Window.activeFocusItem ?? screenMenu;
        const to = from.nextItemInFocusChain(pForward);
        if (!to)
            return;
        to.forceActiveFocus();
        const y = to.mapToItem(frame, 0, 0).y;
        view.contentY = Math.max(Math.min(view.contentY, y), y + to.height - view.height);
    }

    anchors.fill: parent
    opacity: shown ? 1 : 0
    visible: opacity > 0
    onClicked: closeClicked()
    onShownChanged: {
        if (shown)
            forceActiveFocus();
    }
    Keys.onDownPressed: moveFocus(true)
    Keys.onUpPressed: moveFocus(false)

    Behavior on opacity {
        NumberAnimation {
            duration: Theme.duration
            easing.type: Theme.easing
        }
    }

    Flickable {
        id: view

        anchors.horizontalCenter: parent.horizontalCenter
        y: Theme.headerHeight
        width: Math.min(parent.width, Theme.maxWidth) - Theme.menuWidthInset
        height: Math.min(frame.height, screenMenu.height - y)
        contentWidth: width
        contentHeight: frame.height
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height
        clip: true

        Rectangle {
            id: frame

            y: screenMenu.shown ? 0 : -height
            width: parent.width
            height: column.height + 2
            color: Theme.barLight

            Behavior on y {
                NumberAnimation {
                    duration: screenMenu.slideDuration
                    easing.type: Theme.easing
                }
            }

            MouseArea {
                anchors.fill: parent
            }

            Column {
                id: column

                anchors.horizontalCenter: parent.horizontalCenter
                y: 1
                width: parent.width - 2
                spacing: 1
            }
        }
    }
}
