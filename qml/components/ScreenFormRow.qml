import QtQuick

// One row of a form: a label and, right of it, a one-line text input on a
// white rounded box; a tap anywhere on the box focuses the input. What the
// input first holds is selected when it first takes the focus, so that typing
// replaces it; a line break typed or pasted becomes a blank, as the stored
// text has it. The row's children go over the field: an end box at its right
// (`besideEnd`: the input box then leaves it its width and a pixel, and is
// square on that side), or a field of another kind in place of the input
// (`hasInput` off). A price or an amount gives its `decimals`: it then takes
// a number from 0 to 10,000,000 with at most that many decimals after a "."
// or a "," (the decimal comma of many languages), and an on-screen keyboard
// offers digits.
Item {
    id: screenFormRow

    property string label: ""
    property alias text: input.text
    property alias inputName: input.objectName
    property int decimals: -1
    property bool besideEnd: false
    property bool hasInput: true
    property bool focusedOnce: false
    default property alias field: fieldArea.data

    // The person typed or pasted into the input.
    signal edited()

    function focusInput() {
        input.forceActiveFocus();
    }

    width: parent.width
    height: Theme.fieldHeight

    Text {
        id: labelText

        width: Theme.labelWidth
        height: parent.height
        // A label longer than its column (Russian "Количество: ") is set
        // smaller rather than cut off at the screen edge.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontLegible
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        color: Theme.text
        font.pixelSize: Theme.fontLabel
        font.bold: true
        text: screenFormRow.label + ": "
    }

    Item {
        id: fieldArea

        anchors.left: labelText.right
        anchors.right: parent.right
        height: parent.height

        Item {
            width: parent.width - (screenFormRow.besideEnd ? Theme.zoneWidth + 1 : 0)
            height: parent.height
            clip: screenFormRow.besideEnd
            visible: screenFormRow.hasInput

            Rectangle {
                width: parent.width + (screenFormRow.besideEnd ? Theme.hiddenCorners : 0)
                height: parent.height
                radius: Theme.radius
                color: Theme.field
                border.color: Theme.inputBorder
                border.width: screenFormRow.besideEnd ? 0 : 1
            }

            MouseArea {
                anchors.fill: parent
                onClicked: screenFormRow.focusInput()
            }

            TextInput {
                id: input

                anchors.verticalCenter: parent.verticalCenter
                x: Theme.radius
                width: parent.width - Theme.radius - (screenFormRow.besideEnd ? Theme.radius / 2
                                                                              : Theme.radius)
                clip: true
                color: Theme.inputText
                selectionColor: Theme.bar
                selectedTextColor: Theme.text
                font.pixelSize: Theme.fontInput
                selectByMouse: true
                activeFocusOnTab: true
                maximumLength: Theme.maxTextLength
                inputMethodHints: screenFormRow.decimals < 0 ? Qt.ImhNone
                                                             : Qt.ImhFormattedNumbersOnly
                validator: screenFormRow.decimals < 0 ? null : number

                onActiveFocusChanged: {
                    if (!activeFocus || screenFormRow.focusedOnce)
                        return;
                    screenFormRow.focusedOnce = true;
                    selectLater.start();
                }
                onTextEdited: {
                    if (/[\r\n\u2028\u2029]/.test(text)) {
                        const after = text.length - cursorPosition;
                        text = text.replace(/\s*[\r\n\u2028\u2029]+\s*/g, " ");
                        cursorPosition = text.length - after;
                    }
                    screenFormRow.edited();
                }

                RegularExpressionValidator {
                    id: number

                    regularExpression: new RegExp("^(\\d{0,7}([.,]\\d{0,%1})?|10000000([.,]0{0,%1})?)$"
                                                  .arg(screenFormRow.decimals))
                }

                // Once the sheet has filled the input, and a tap has placed the cursor.
                Timer {
                    id: selectLater

                    interval: 0
                    onTriggered: input.selectAll()
                }
            }
        }
    }
}
