import QtQuick

// The checkout window: the cart's count and total and the offer to delete the
// finished list.
Item {
    id: screenCheckout

    property string cartItemsCount: "0"
    property string cartItemsPrice: "0"
    property string cartItemsPriceUnit: ""
    property alias winScale: checkoutWindow.scale

    signal cancelClicked()
    signal okClicked()

    width: 800
    height: 480
    // The window shown takes the keys: Return is Yes, Escape is No.
    onVisibleChanged: {
        if (visible)
            forceActiveFocus();
    }
    Keys.onReturnPressed: okClicked()
    Keys.onEnterPressed: okClicked()
    Keys.onEscapePressed: cancelClicked()

    MouseArea {
        anchors.fill: parent
        onClicked: screenCheckout.cancelClicked()
    }

    Rectangle {
        id: checkoutWindow

        anchors.centerIn: parent
        width: 400
        height: 300
        radius: 20
        smooth: true
        color: "#8495B9"

        MouseArea {
            anchors.fill: parent
        }

        Item {
            id: titleBar

            width: parent.width
            height: 40
            clip: true

            Rectangle {
                width: parent.width
                height: parent.height + 40
                color: "#445579"
                radius: 20
            }

            Text {
                anchors.fill: parent
                color: "#FFFFFF"
                font.bold: true
                font.pixelSize: 18
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Checkout") + applicationManager.nullString
            }
        }

        Text {
            objectName: "checkoutSummary"
            y: 70
            width: parent.width
            color: "#FFFFFF"
            font.bold: true
            font.pixelSize: 20
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("Number of items:") + " " + screenCheckout.cartItemsCount + "<br>"
                  + qsTr("Total sum:") + " " + screenCheckout.cartItemsPrice + " "
                  + screenCheckout.cartItemsPriceUnit + applicationManager.nullString
        }

        Text {
            objectName: "checkoutQuestion"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 100
            width: parent.width - 40
            color: "#FFFFFF"
            font.pixelSize: 20
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("List is empty. Do you want to delete it?") + applicationManager.nullString
        }

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            width: parent.width - 4
            height: 65

            ScreenButton {
                objectName: "checkoutNo"
                anchors.left: parent.left
                width: parent.width / 2 - 1
                height: parent.height
                buttonLeft: true
                buttonLabel: qsTr("No") + applicationManager.nullString
                onButtonClicked: screenCheckout.cancelClicked()
            }

            ScreenButton {
                objectName: "checkoutYes"
                anchors.right: parent.right
                width: parent.width / 2 - 1
                height: parent.height
                buttonRight: true
                buttonLabel: qsTr("Yes") + applicationManager.nullString
                onButtonClicked: screenCheckout.okClicked()
            }
        }
    }
}
