import QtQuick

// The least a scene can be that draws what the lists screen's first frame
// draws with a stored list: its texts in their fonts and its icons, placed
// anywhere, with nothing behind them.
Rectangle {
    width: 800
    height: 480
    color: "#000000"

    Image {
        source: "qrc:/icons/icons/dashboard-button.png"
    }

    Image {
        x: 700
        source: "qrc:/icons/icons/quit-button.png"
    }

    Image {
        x: 600
        y: 30
        source: "qrc:/icons/icons/menu-arrow.png"
    }

    Image {
        y: 100
        source: "qrc:/icons/icons/edit-button.png"
    }

    Image {
        x: 700
        y: 100
        source: "qrc:/icons/icons/delete-button.png"
    }

    Text {
        x: 300
        color: "#FFFFFF"
        font.pixelSize: 20
        font.bold: true
        text: "Pantrix"
    }

    Text {
        x: 300
        y: 50
        color: "#FFFFFF"
        font.pixelSize: 16
        text: "available  lists"
    }

    Text {
        x: 80
        y: 100
        color: "#FFFFFF"
        font.pixelSize: 20
        text: "Bench"
    }

    Text {
        x: 500
        y: 100
        color: "#A0A0FF"
        font.pixelSize: 15
        text: "1000 items"
    }

    Text {
        x: 80
        y: 130
        color: "#A0A0FF"
        font.pixelSize: 15
        text: "bench"
    }

    Text {
        x: 500
        y: 130
        color: "#A0A0FF"
        font.pixelSize: 15
        text: "3810.00 $"
    }

    Text {
        x: 300
        y: 420
        color: "#FFFFFF"
        font.pixelSize: 14
        font.capitalization: Font.AllUppercase
        text: "new list"
    }
}
