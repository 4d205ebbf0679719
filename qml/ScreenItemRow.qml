import QtQuick

// The rounded band of an item (or list) row: an edit zone at its left, a
// delete zone at its right and the row's texts between them. A tap elsewhere
// on the band reports `tapped()` where the row takes taps. `fadeOut()` fades
// the band away before the row is told what happened to it.
Rectangle {
    id: screenItemRow

    property bool tappable: false
    readonly property alias pressed: area.pressed
    default property alias texts: middle.data

    signal tapped()
    signal editClicked()
    signal deleteClicked()

    // Runs pDone once the band has faded out; a band already fading ignores it.
    function fadeOut(pDone) {
        if (fade.running)
            return;
        fade.done = pDone;
        fade.start();
    }

    objectName: "itemRect"
    anchors.fill: parent
    anchors.margins: 2
    radius: Theme.radius
    color: pressed ? Theme.rowPressed : Theme.row

    SequentialAnimation {
        id: fade

        property var done: null

        NumberAnimation {
            target: screenItemRow
            property: "opacity"
            to: 0
            duration: Theme.fadeDuration
            easing.type: Theme.easing
        }

        ScriptAction {
            script: {
                const done = fade.done;
                done();
            }
        }
    }

    MouseArea {
        id: area

        anchors.fill: parent
        enabled: screenItemRow.tappable
        onClicked: screenItemRow.tapped()
    }

    ScreenIconZone {
        id: editZone

        objectName: "itemEditButton"
        source: "qrc:/icons/icons/edit-button.png"
        onClicked: screenItemRow.editClicked()
    }

    ScreenIconZone {
        id: deleteZone

        objectName: "itemDeleteButton"
        anchors.right: parent.right
        source: "qrc:/icons/icons/delete-button.png"
        onClicked: screenItemRow.deleteClicked()
    }

    Item {
        id: middle

        anchors.left: editZone.right
        anchors.right: deleteZone.left
        height: parent.height
    }
}
