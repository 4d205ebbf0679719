import QtQuick
import Pantrix

// The bar at the top of a screen: an icon zone at each end, the title zone
// between them (a tap there opens the screen's menu) and a caption tab below.
Item {
    id: screenHeader

    property alias buttonLeftOpacity: leftZone.opacity
    property alias buttonMiddleOpacity: middleZone.opacity
    property alias buttonRightOpacity: rightZone.opacity
    property string buttonLeftImage: ""
    property string buttonRightImage: ""
    property alias headerLabel1: text1.text
    property alias headerLabel2: text2.text
    property alias headerLabel3: text3.text
    property int headerRadius: Theme.radius

    signal buttonLeftClicked()
    signal buttonMiddleClicked()
    signal buttonRightClicked()

    width: 800
    height: Theme.headerHeight

    ScreenHeaderSide {
        id: leftZone

        anchors.left: parent.left
        radius: screenHeader.headerRadius
        source: screenHeader.buttonLeftImage
        onClicked: screenHeader.buttonLeftClicked()
    }

    ScreenPressable {
        id: middleZone

        objectName: "screenHeaderMiddle"
        anchors.left: leftZone.right
        anchors.right: rightZone.left
        height: parent.height
        clip: true
        visible: opacity > 0
        Accessible.name: qsTr("Menu")
        onActivated: screenHeader.buttonMiddleClicked()

        Rectangle {
            anchors.fill: parent
            color: Theme.bar
            opacity: menuArea.pressed ? Theme.pressedOpacity : 1
        }

        // The title and the subtitle share the bar above the tab, or one has it all.
        ScreenLabel {
            id: text1

            objectName: "screenHeaderText1"
            anchors.top: parent.top
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 2 * Theme.margin
            height: (parent.height - Theme.radius) / (text2.text === "" ? 1 : 2)
            font.pixelSize: Theme.fontText
            font.bold: true
        }

        ScreenLabel {
            id: text2

            objectName: "screenHeaderText2"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Theme.radius
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 2 * Theme.margin
            height: (parent.height - Theme.radius) / (text1.text === "" ? 1 : 2)
            font.pixelSize: Theme.fontButton
            font.bold: true
        }

        Image {
            anchors.top: parent.top
            anchors.topMargin: (parent.height - Theme.radius) / 2
            anchors.right: parent.right
            anchors.rightMargin: Theme.gap
            source: "qrc:/icons/icons/menu-arrow.png"
        }

        MouseArea {
            id: menuArea

            anchors.fill: parent
            onClicked: screenHeader.buttonMiddleClicked()
        }

        // The tab under the bar, whose rounded top shows.
        Rectangle {
            y: parent.height - Theme.radius
            width: parent.width
            height: Theme.hiddenCorners
            radius: Theme.radius
            color: Theme.row
            border.width: 1
            border.color: Theme.tabBorder
        }

        ScreenLabel {
            id: text3

            objectName: "screenHeaderText3"
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 2 * Theme.radius
            height: Theme.radius
            // A caption longer than a narrow tab is set smaller.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontLegible
            font.pixelSize: Theme.fontTab
        }
    }

    ScreenHeaderSide {
        id: rightZone

        objectName: "screenHeaderRight"
        anchors.right: parent.right
        mirrored: true
        radius: screenHeader.headerRadius
        source: screenHeader.buttonRightImage
        onClicked: screenHeader.buttonRightClicked()
    }
}
