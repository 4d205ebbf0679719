import QtQuick
import Pantrix

// The sheet for choosing the interface language.
Item {
    id: screenLanguages

    property bool shown: false
    property alias currentLanguage: chooser.currentIndex

    signal cancelClicked()
    signal okClicked()

    visible: shown
    onVisibleChanged: {
        if (!visible)
            return;
        currentLanguage = LanguagesDataModel.currentLanguageIndex();
        chooser.takeKeys();
    }

    ScreenShade {
        onClicked: screenLanguages.cancelClicked()
    }

    ScreenChooser {
        id: chooser

        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, Theme.maxWidth)
        height: Theme.languageSheetHeight
        title: qsTr("Choose language")
        listName: "languageList"
        model: LanguagesDataModel
        delegate: ScreenChooserRow {
            required property string language_name

            text: language_name
            label.font.capitalization: Font.AllUppercase
        }
        onCancelClicked: screenLanguages.cancelClicked()
        onOkClicked: {
            ApplicationManager.setCurrentLanguage(chooser.currentIndex);
            screenLanguages.okClicked();
        }
    }
}
