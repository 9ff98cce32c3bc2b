import QtQuick
import QtQuick.Controls

// A text button of a bottom bar, on the bar's own colour.
ToolButton {
    id: button

    palette.buttonText: "white"
    palette.disabled.buttonText: "#5a5d66"
    Accessible.name: text
    implicitHeight: 48
    implicitWidth: Math.max(48, implicitContentWidth + leftPadding + rightPadding)
    background: Rectangle {
        color: button.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
        radius: 4
    }
}
