import QtQuick
import QtQuick.Controls

// A bar's button named by its text, on the bar's own colour (Basic's tool
// buttons bring a grey box of their own).
ToolButton {
    id: button

    palette.buttonText: "white"
    palette.disabled.buttonText: "#5a5d66"
    Accessible.role: Accessible.Button
    Accessible.name: button.text
    implicitHeight: 48
    implicitWidth: Math.max(64, implicitContentWidth + leftPadding + rightPadding)
    background: Rectangle {
        color: button.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
        radius: 4
        // The keyboard's place, as the rows show it.
        border.color: button.visualFocus ? "#ff8c1a" : "transparent"
        border.width: 2
    }
}
