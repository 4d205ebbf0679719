import QtQuick
import Pantrix

// The tab between a footer's two buttons: the open list's total and its
// number of items.
Item {
    id: screenSummaryTab

    readonly property alias text: summary.text

    anchors.horizontalCenter: parent.horizontalCenter
    width: Math.min(parent.width, Theme.maxWidth) / 3
    height: parent.height

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        width: parent.width
        height: parent.height * 2
        radius: Theme.tabRadius
        color: Theme.row
        border.color: Theme.tabBorder
        border.width: 1

        MouseArea {
            anchors.fill: parent
        }
    }

    ScreenLabel {
        id: summary

        anchors.fill: parent
        anchors.topMargin: Theme.gap
        anchors.bottomMargin: Theme.gap + Theme.margin
        // A large total is set smaller rather than run out of the tab.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmallest
        font.pixelSize: Theme.fontButton
        text: (ListDataModel.itemsPrice === ""
               ? ""
               : ListDataModel.itemsPrice + " "
                 + CurrencyUnitsDataModel.currencySign(ListDataModel.listCurrency) + "<br>")
              + qsTr("%n item(s)", "", ListDataModel.numberOfItems)
    }
}
