import QtQuick

// How every menu, question, dialog and sheet comes up over a screen: made the
// first time it is `shown`, from its scene file (`source`, so that the file is
// read only then) or from a component, and told when it is shown through its
// own `shown`, once it is made, so that it comes in as it always does. A menu
// or a question is `kept` to go as it came; a sheet is made anew each time.
Loader {
    id: screenLayer

    property bool shown: false
    property bool kept: false

    anchors.fill: parent
    active: shown || (kept && status === Loader.Ready)

    Binding {
        target: screenLayer.item
        property: "shown"
        value: screenLayer.shown
        when: screenLayer.status === Loader.Ready
    }
}
