import QtQuick

// One end of the screen header: an icon zone on a bar whose outer top corner
// is rounded, with a separator along its inner edge.
Item {
    id: screenHeaderSide

    property bool mirrored: false
    property alias source: zone.source
    property int radius: Theme.radius

    signal clicked()

    width: Theme.zoneWidth
    height: parent.height
    clip: true
    visible: opacity > 0

    Rectangle {
        x: screenHeaderSide.mirrored ? -Theme.hiddenCorners : 0
        width: parent.width + Theme.hiddenCorners
        height: parent.height + Theme.hiddenCorners
        radius: screenHeaderSide.radius
        color: Theme.bar
        opacity: zone.pressed ? Theme.pressedOpacity : 1
    }

    ScreenIconZone {
        id: zone

        dims: false
        onClicked: screenHeaderSide.clicked()
    }

    Rectangle {
        x: screenHeaderSide.mirrored ? 0 : parent.width - width
        width: 2
        height: parent.height
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.bar }
            GradientStop { position: 0.5; color: Theme.barLight }
            GradientStop { position: 1; color: Theme.bar }
        }
    }
}
