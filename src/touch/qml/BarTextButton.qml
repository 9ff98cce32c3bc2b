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
    // A long translation takes a smaller size where the bar is short of
    // room, rather than losing its end.
    contentItem: Label {
        text: button.text
        font: button.font
        color: button.enabled ? "white" : "#5a5d66"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPointSize: 7
        minimumPixelSize: 9
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    background: Rectangle {
        color: button.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
        radius: 4
    }
    FocusRing {
        shown: button.visualFocus
    }
}
