import QtQuick

// A button with a label and selectable rounded sides. The background is
// pushed out past the clipped edge on every side that stays square.
Item {
    id: screenButton

    property string buttonLabel: ""
    property string buttonImage: ""
    property alias buttonLabelAlignment: label.horizontalAlignment
    property bool buttonLeft: false
    property bool buttonRight: false
    property bool buttonTop: false
    property bool buttonBottom: false
    property int buttonRadius: 20

    signal buttonClicked()

    width: 200
    height: 70
    clip: true
    visible: opacity > 0

    Rectangle {
        id: background

        anchors.fill: parent
        anchors.leftMargin: (screenButton.buttonLeft || screenButton.buttonTop
                             || screenButton.buttonBottom) ? 0 : -2 * screenButton.buttonRadius
        anchors.rightMargin: (screenButton.buttonRight || screenButton.buttonTop
                              || screenButton.buttonBottom) ? 0 : -2 * screenButton.buttonRadius
        anchors.topMargin: (screenButton.buttonTop || screenButton.buttonLeft
                            || screenButton.buttonRight) ? 0 : -2 * screenButton.buttonRadius
        anchors.bottomMargin: (screenButton.buttonBottom || screenButton.buttonLeft
                               || screenButton.buttonRight) ? 0 : -2 * screenButton.buttonRadius
        radius: screenButton.buttonRadius
        color: "#445579"
        opacity: mouseArea.pressed ? 0.5 : 1
    }

    Text {
        id: label

        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "#FFFFFF"
        font.pixelSize: 14
        font.capitalization: Font.AllUppercase
        text: screenButton.buttonLabel
        opacity: text === "" ? 0 : 1
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: {
            if (screenButton.opacity === 1)
                screenButton.buttonClicked();
        }
    }
}
