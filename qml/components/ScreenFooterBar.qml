import QtQuick

// A footer's button bar: a button at each end, the summary tab between them.
// While it is not shown it slides down out of the footer.
Item {
    id: screenFooterBar

    property bool shown: true
    property alias leftLabel: leftButton.buttonLabel
    property alias rightLabel: rightButton.buttonLabel
    property alias leftName: leftButton.objectName
    property alias rightName: rightButton.objectName
    property alias leftOpacity: leftButton.opacity
    property alias rightOpacity: rightButton.opacity
    property alias summaryName: summary.objectName
    property alias summaryShown: summary.visible
    // The right button fades over this many milliseconds when its opacity changes.
    property int rightFade: 0

    signal leftClicked()
    signal rightClicked()

    // The margin of a button's label on the side of the summary tab: a label
    // that would run under the tab keeps to the room beside it.
    function labelMargin(pButton: ScreenButton): real {
        const beside = summary.visible ? summary.width / 2 + Theme.gap : Theme.radius;
        return pButton.label.implicitWidth > pButton.width - Theme.radius - beside ? beside
                                                                                    : Theme.radius;
    }

    width: parent.width
    height: parent.height
    y: shown ? 0 : height
    visible: y < height

    Behavior on y {
        NumberAnimation {
            duration: Theme.barDuration
            easing.type: Theme.easing
        }
    }

    ScreenButton {
        id: leftButton

        anchors.left: parent.left
        width: parent.width / 2 - 0.5
        height: parent.height
        buttonLeft: true
        buttonLabelAlignment: Text.AlignLeft
        label.anchors.rightMargin: screenFooterBar.labelMargin(leftButton)
        onButtonClicked: screenFooterBar.leftClicked()
    }

    ScreenButton {
        id: rightButton

        anchors.right: parent.right
        width: parent.width / 2 - 0.5
        height: parent.height
        buttonRight: true
        buttonLabelAlignment: Text.AlignRight
        label.anchors.leftMargin: screenFooterBar.labelMargin(rightButton)
        onButtonClicked: screenFooterBar.rightClicked()

        Behavior on opacity {
            enabled: screenFooterBar.rightFade > 0

            NumberAnimation {
                duration: screenFooterBar.rightFade
            }
        }
    }

    ScreenSummaryTab {
        id: summary
    }
}
