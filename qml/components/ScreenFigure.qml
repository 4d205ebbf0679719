import QtQuick
import Pantrix

// A figure at the right end of a row (an amount, a price, a count, a total):
// it takes at most half of the row and is set smaller rather than cut.
Text {
    anchors.right: parent.right
    width: Math.min(implicitWidth, parent.width / 2)
    height: parent.height / 2
    verticalAlignment: Text.AlignVCenter
    fontSizeMode: Text.HorizontalFit
    minimumPixelSize: Theme.fontSmallest
    color: Theme.textSecondary
    font.pixelSize: Theme.fontSmall
}
