import QtQuick

// The sheet for choosing the interface language.
Item {
    id: screenLanguages

    property alias currentLanguage: languageList.currentIndex

    signal cancelClicked()
    signal okClicked()

    width: 360
    height: 640
    onVisibleChanged: {
        if (visible)
            languageList.forceActiveFocus();
    }
    Keys.onReturnPressed: sheetButtons.okClicked()
    Keys.onEnterPressed: sheetButtons.okClicked()
    Keys.onEscapePressed: sheetButtons.cancelClicked()

    Rectangle {
        anchors.fill: parent
        color: "#000000"
        opacity: 0.8

        MouseArea {
            anchors.fill: parent
            onClicked: screenLanguages.cancelClicked()
        }
    }

    Rectangle {
        id: sheet

        anchors.bottom: parent.bottom
        width: parent.width
        height: 300
        radius: 20
        color: "#A4B5D9"

        MouseArea {
            anchors.fill: parent
            onClicked: sheet.forceActiveFocus()
        }

        ScreenSheetTitle {
            id: sheetTitle

            title: qsTr("Choose language") + applicationManager.nullString
        }

        ScreenChooserList {
            id: languageList

            objectName: "languageList"
            anchors.top: sheetTitle.bottom
            anchors.topMargin: 5
            anchors.bottom: sheetButtons.top
            anchors.bottomMargin: 5
            width: parent.width
            model: languagesDataModel

            delegate: Rectangle {
                width: languageList.width
                height: 65
                color: ListView.isCurrentItem ? "#C4D5F9" : "transparent"
                border.width: 1
                border.color: "#445579"

                Text {
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    color: parent.ListView.isCurrentItem ? "#000000" : "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                    font.capitalization: Font.AllUppercase
                    text: language_name
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: languageList.currentIndex = index
                }
            }
        }

        ScreenSheetButtons {
            id: sheetButtons

            cancelLabel: qsTr("Cancel") + applicationManager.nullString
            okLabel: qsTr("Ok") + applicationManager.nullString
            onCancelClicked: {
                sheet.forceActiveFocus();
                screenLanguages.cancelClicked();
            }
            onOkClicked: {
                sheet.forceActiveFocus();
                applicationManager.setCurrentLanguage(languageList.currentIndex);
                screenLanguages.okClicked();
            }
        }
    }
}
