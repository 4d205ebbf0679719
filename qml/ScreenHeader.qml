import QtQuick

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
    property int headerRadius: 20

    signal buttonLeftClicked()
    signal buttonMiddleClicked()
    signal buttonRightClicked()

    width: 800
    height: 80

    Item {
        id: leftZone

        objectName: "screenHeaderLeft"
        anchors.left: parent.left
        anchors.top: parent.top
        width: 70
        height: parent.height
        clip: true
        visible: opacity > 0

        Rectangle {
            width: parent.width + 40
            height: parent.height + 40
            radius: screenHeader.headerRadius
            color: "#445579"
            opacity: leftArea.pressed ? 0.5 : 1
        }

        Image {
            anchors.centerIn: parent
            source: screenHeader.buttonLeftImage
        }

        MouseArea {
            id: leftArea

            anchors.fill: parent
            onClicked: screenHeader.buttonLeftClicked()
        }

        Rectangle {
            anchors.right: parent.right
            width: 2
            height: parent.height
            gradient: Gradient {
                GradientStop { position: 0; color: "#445579" }
                GradientStop { position: 0.5; color: "#A4B5D9" }
                GradientStop { position: 1; color: "#445579" }
            }
        }
    }

    Item {
        id: middleZone

        objectName: "screenHeaderMiddle"
        anchors.left: leftZone.right
        anchors.right: rightZone.left
        height: parent.height
        clip: true
        visible: opacity > 0

        Rectangle {
            anchors.fill: parent
            color: "#445579"
            opacity: middleArea.pressed ? 0.5 : 1
        }

        Text {
            id: text1

            objectName: "screenHeaderText1"
            anchors.top: parent.top
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20
            height: text2.text === "" ? 60 : 30
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: "#FFFFFF"
            font.pixelSize: 20
            font.bold: true
            opacity: text === "" ? 0 : 1
        }

        Text {
            id: text2

            objectName: "screenHeaderText2"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20
            height: text1.text === "" ? 60 : 30
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: "#FFFFFF"
            font.pixelSize: 14
            font.bold: true
            opacity: text === "" ? 0 : 1
        }

        Image {
            anchors.top: parent.top
            anchors.topMargin: 30
            anchors.right: parent.right
            anchors.rightMargin: 5
            source: "qrc:/icons/icons/menu-arrow.png"
        }

        MouseArea {
            id: middleArea

            anchors.fill: parent
            onClicked: screenHeader.buttonMiddleClicked()
        }

        Rectangle {
            y: parent.height - 20
            width: parent.width
            height: 40
            radius: 20
            color: "#202020"
            border.width: 1
            border.color: "#808080"
        }

        Text {
            id: text3

            objectName: "screenHeaderText3"
            anchors.bottom: parent.bottom
            width: parent.width
            height: 20
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: "#FFFFFF"
            font.pixelSize: 16
            opacity: text === "" ? 0 : 1
        }
    }

    Item {
        id: rightZone

        objectName: "screenHeaderRight"
        anchors.right: parent.right
        anchors.top: parent.top
        width: 70
        height: parent.height
        clip: true
        visible: opacity > 0

        Rectangle {
            x: -40
            width: parent.width + 40
            height: parent.height + 40
            radius: screenHeader.headerRadius
            color: "#445579"
            opacity: rightArea.pressed ? 0.5 : 1
        }

        Image {
            anchors.centerIn: parent
            source: screenHeader.buttonRightImage
        }

        MouseArea {
            id: rightArea

            anchors.fill: parent
            onClicked: screenHeader.buttonRightClicked()
        }

        Rectangle {
            anchors.left: parent.left
            width: 2
            height: parent.height
            gradient: Gradient {
                GradientStop { position: 0; color: "#445579" }
                GradientStop { position: 0.5; color: "#A4B5D9" }
                GradientStop { position: 1; color: "#445579" }
            }
        }
    }
}
