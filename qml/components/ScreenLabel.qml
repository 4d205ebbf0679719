import QtQuick
import Pantrix

// A text centred in its box and cut with an ellipsis where the box is too
// narrow; nothing is drawn while it is empty.
Text {
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideRight
    color: Theme.text
    visible: text !== ""
}
