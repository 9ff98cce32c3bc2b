import QtQuick
import QtQuick.Controls

// A bar's button named by its text, on the bar's own colour (Basic's tool
// buttons bring a grey box of their own).
ToolButton {
    id: button

    implicitHeight: 48
    palette.buttonText: "white"
    Accessible.role: Accessible.Button
    Accessible.name: button.text
    background: Rectangle {
        implicitWidth: 64
        color: button.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
        radius: 4
    }
}
