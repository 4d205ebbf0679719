import QtQuick
import Pantrix

// The rounded band of an item (or list) row: an edit zone at its left (where
// the row is `editable`), a delete zone at its right and the row's texts
// between them. A tap elsewhere on the band reports `tapped()` where the row
// takes taps. `fadeOut()` fades the band away before the row is told what
// happened to it (`fadedOut()`).
Rectangle {
    id: screenItemRow

    property bool tappable: false
    property bool editable: true
    property bool selected: false
    // Whether Tab reaches the edit and delete zones; in a page of rows the
    // keys act on its current row instead.
    property bool zonesOnTab: false
    // What a screen reader says after the row's texts (ticked or not).
    property string spokenState: ""
    // Whether the running fade is for deleting the row.
    property bool deleting: false
    readonly property alias pressed: area.pressed
    default property alias texts: middle.data

    signal tapped()
    signal editClicked()
    signal deleteClicked()
    signal fadedOut(bool pDeleting)

    // Fades the band away, then reports fadedOut(pDeleting); a band already
    // fading ignores it.
    function fadeOut(pDeleting: bool) {
        if (fade.running)
            return;
        deleting = pDeleting;
        fade.start();
    }

    objectName: "itemRect"
    anchors.fill: parent
    anchors.margins: Theme.rowInset
    radius: Theme.radius
    color: pressed ? Theme.rowPressed : selected ? Theme.rowSelected : Theme.row
    visible: opacity > 0
    Accessible.role: Accessible.ListItem
    Accessible.name: ((middle.children[0] as ScreenItemTexts)?.spoken ?? "")
                     + (spokenState === "" ? "" : ", " + spokenState)
    Accessible.onPressAction: tappable ? tapped() : editClicked()

    NumberAnimation {
        id: fade

        target: screenItemRow
        property: "opacity"
        to: 0
        duration: Theme.fadeDuration
        easing.type: Theme.easing
        onFinished: screenItemRow.fadedOut(screenItemRow.deleting)
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
        width: screenItemRow.editable ? Theme.rowZoneWidth(screenItemRow.width) : 0
        visible: screenItemRow.editable
        activeFocusOnTab: screenItemRow.zonesOnTab && visible
        source: "qrc:/icons/icons/edit-button.png"
        onClicked: screenItemRow.editClicked()
    }

    ScreenIconZone {
        id: deleteZone

        objectName: "itemDeleteButton"
        anchors.right: parent.right
        width: Theme.rowZoneWidth(screenItemRow.width)
        activeFocusOnTab: screenItemRow.zonesOnTab
        source: "qrc:/icons/icons/delete-button.png"
        onClicked: screenItemRow.deleteClicked()
    }

    Item {
        id: middle

        anchors.left: editZone.right
        anchors.leftMargin: screenItemRow.editable ? 0 : Theme.radius
        anchors.right: deleteZone.left
        height: parent.height
    }
}
