import QtQuick

// Makes its layer over the screen (a menu, question or sheet) from the scene
// file `scene`, with the `initial` properties, the first time it is to be
// shown, and keeps it from then on. The file is read only then: a type the
// screen named would be read, with every type it names, before the screen's
// first frame. `open` turns true only once the layer is made, so that the
// layer comes in as it always does.
Loader {
    id: screenLazyLayer

    property bool shown: false
    property url scene
    property var initial: ({})
    readonly property bool open: shown && item !== null

    anchors.fill: parent
    onShownChanged: {
        if (shown && !item)
            setSource(scene, initial);
    }
}
