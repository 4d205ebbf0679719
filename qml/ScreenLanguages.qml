import QtQuick
import qml

// The sheet for choosing the interface language.
Item {
    id: screenLanguages

    property alias currentLanguage: chooser.currentIndex

    signal cancelClicked()
    signal okClicked()

    visible: opacity > 0
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
        height: 300
        title: qsTr("Choose language") + ApplicationManager.nullString
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
