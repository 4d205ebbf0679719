import QtQuick
import Pantrix

// A touch zone with an icon in its middle, drawn at half opacity while it is
// pressed (or, with `dims` off, leaving that to its owner). Screen readers
// know it as a button named after its icon.
ScreenPressable {
    id: screenIconZone

    property alias source: icon.source
    readonly property alias icon: icon
    readonly property alias pressed: area.pressed
    property bool dims: true

    signal clicked()

    function spokenName(pSource) {
        switch (String(pSource)) {
        case "qrc:/icons/icons/back-button.png": return qsTr("Back");
        case "qrc:/icons/icons/dashboard-button.png": return qsTr("Dashboard");
        case "qrc:/icons/icons/delete-button.png": return qsTr("Delete");
        case "qrc:/icons/icons/edit-button.png": return qsTr("Edit");
        case "qrc:/icons/icons/quit-button.png": return qsTr("Quit");
        }
        return "";
    }

    width: Theme.zoneWidth
    height: parent.height
    opacity: dims && area.pressed ? Theme.pressedOpacity : 1
    Accessible.name: spokenName(source)
    onActivated: clicked()

    Image {
        id: icon

        anchors.centerIn: parent
    }

    MouseArea {
        id: area

        anchors.fill: parent
        onClicked: screenIconZone.clicked()
    }
}
