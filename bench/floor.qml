import QtQuick

// The least a scene can be: one rectangle the size of the window.
Rectangle {
    width: 800
    height: 480
    color: "#000000"
}
