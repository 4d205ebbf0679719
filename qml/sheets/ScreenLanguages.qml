import QtQuick
import Pantrix

// The sheet for choosing the interface language.
ScreenChooserLayer {
    sheetHeight: Theme.languageSheetHeight
    title: qsTr("Choose language")
    listName: "languageList"
    model: LanguagesDataModel
    delegate: ScreenChooserRow {
        required property string language_name

        text: language_name
        label.font.capitalization: Font.AllUppercase
    }
    onOpening: currentIndex = LanguagesDataModel.currentLanguageIndex()
    onOkClicked: ApplicationManager.setCurrentLanguage(currentIndex)
}
