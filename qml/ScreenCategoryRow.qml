import QtQuick
import qml

// The header row of a category group: the category's name on a band, with a
// delete zone where the group can be deleted from the row.
Rectangle {
    id: screenCategoryRow

    property string category: ""
    property bool deletable: true

    signal deleteClicked()

    anchors.fill: parent
    anchors.leftMargin: 2
    anchors.rightMargin: 2
    anchors.topMargin: 10
    anchors.bottomMargin: 10
    color: Theme.categoryRow
    radius: Theme.bandRadius

    Text {
        anchors.fill: parent
        anchors.leftMargin: screenCategoryRow.deletable ? deleteZone.width : 0
        anchors.rightMargin: screenCategoryRow.deletable ? deleteZone.width : 0
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: Theme.text
        font.bold: true
        font.pixelSize: Theme.fontText
        text: screenCategoryRow.category === "\uF000"
              ? qsTr("Uncategorised") + ApplicationManager.nullString
              : screenCategoryRow.category
    }

    ScreenIconZone {
        id: deleteZone

        objectName: "categoryDeleteButton"
        anchors.right: parent.right
        width: Theme.rowZoneWidth(screenCategoryRow.width)
        visible: screenCategoryRow.deletable
        source: "qrc:/icons/icons/delete-button.png"
        icon.width: 15
        icon.height: 15
        onClicked: screenCategoryRow.deleteClicked()
    }
}
