import QtQuick
import qml

// The lists screen's menu: the language sheet and the about window.
ScreenMenu {
    id: screenListsMenu

    signal languageClicked()
    signal aboutClicked()

    ScreenMenuItem {
        objectName: "menuLanguage"
        label: qsTranslate("ScreenMain", "Language") + ApplicationManager.nullString
        onItemClicked: screenListsMenu.languageClicked()
    }

    ScreenMenuItem {
        objectName: "menuAbout"
        label: qsTranslate("ScreenMain", "About") + ApplicationManager.nullString
        onItemClicked: screenListsMenu.aboutClicked()
    }
}
