import QtQuick
import Pantrix

// What every control a tap can press shares: it takes the keys in its turn
// on Tab and Shift+Tab, Space and Return press it (`activated()`), a ring
// shows that it has the keys once a key has been used, and a screen reader
// knows it by its `Accessible.name` and can press it.
Item {
    id: screenPressable

    property alias ringRadius: ring.radius

    signal activated()

    activeFocusOnTab: visible
    Accessible.role: Accessible.Button
    Accessible.focusable: true
    Accessible.onPressAction: activated()
    Keys.onSpacePressed: activated()
    Keys.onReturnPressed: activated()
    Keys.onEnterPressed: activated()

    ScreenFocusRing {
        id: ring
    }
}
