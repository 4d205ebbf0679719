import QtQuick

// Makes its layer over the screen (a menu, question or sheet) from
// `sourceComponent` the first time it is to be shown, and keeps it from then
// on. `open` turns true only once the layer is made, so that the layer comes
// in as it always does.
Item {
    id: screenLazyLayer

    property bool shown: false
    property Component sourceComponent
    property Item item: null
    readonly property bool open: shown && item !== null

    anchors.fill: parent
    onShownChanged: {
        if (shown && !item)
            item = sourceComponent.createObject(screenLazyLayer) as Item;
    }
}
