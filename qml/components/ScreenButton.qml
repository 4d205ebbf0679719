import QtQuick

// A button with a label and selectable rounded sides. The background is
// pushed out past the clipped edge on every side that stays square. Below
// full opacity it still shows the press but reports no click.
ScreenPressable {
    id: screenButton

    property string buttonLabel: ""
    property string buttonImage: ""
    property alias buttonLabelAlignment: label.horizontalAlignment
    property bool buttonLeft: false
    property bool buttonRight: false
    property bool buttonTop: false
    property bool buttonBottom: false
    property int buttonRadius: Theme.radius
    readonly property alias label: label

    signal buttonClicked()

    function press() {
        if (opacity === 1)
            buttonClicked();
    }

    height: Theme.rowHeight
    clip: true
    visible: opacity > 0
    ringRadius: buttonRadius
    Accessible.name: buttonLabel
    onActivated: press()

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
        color: Theme.bar
        opacity: mouseArea.pressed ? Theme.pressedOpacity : 1
    }

    ScreenLabel {
        id: label

        anchors.fill: parent
        anchors.leftMargin: Theme.radius
        anchors.rightMargin: Theme.radius
        // A label too long for a narrow button takes two lines.
        wrapMode: Text.Wrap
        font.pixelSize: Theme.fontButton
        font.capitalization: Font.AllUppercase
        text: screenButton.buttonLabel
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: screenButton.press()
    }
}
