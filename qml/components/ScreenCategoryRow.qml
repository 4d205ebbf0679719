import QtQuick
import Pantrix

// The header row of a category group: the category's name on a band, with a
// delete zone where the group can be deleted from the row.
Rectangle {
    id: screenCategoryRow

    property string category: ""
    property bool deletable: true

    signal deleteClicked()

    anchors.fill: parent
    anchors.leftMargin: Theme.rowInset
    anchors.rightMargin: Theme.rowInset
    anchors.topMargin: Theme.bandInset
    anchors.bottomMargin: Theme.bandInset
    color: Theme.categoryRow
    radius: Theme.bandRadius

    ScreenLabel {
        anchors.fill: parent
        anchors.leftMargin: screenCategoryRow.deletable ? deleteZone.width : 0
        anchors.rightMargin: screenCategoryRow.deletable ? deleteZone.width : 0
        font.bold: true
        font.pixelSize: Theme.fontText
        text: screenCategoryRow.category === "\uF000" ? qsTr("Uncategorised")
                                                      : screenCategoryRow.category
    }

    ScreenIconZone {
        id: deleteZone

        objectName: "categoryDeleteButton"
        anchors.right: parent.right
        width: Theme.rowZoneWidth(screenCategoryRow.width)
        visible: screenCategoryRow.deletable
        source: "qrc:/icons/icons/delete-button.png"
        icon.width: Theme.smallIcon
        icon.height: Theme.smallIcon
        onClicked: screenCategoryRow.deleteClicked()
    }
}
