import QtQuick
import QtQuick.Controls

// A bar's button drawn by an image of the bundle, with its name for
// assistive technology and as a tooltip.
ToolButton {
    id: button

    required property string image
    required property string name

    implicitWidth: 48
    implicitHeight: 48
    icon.source: "qrc:/images/" + button.image
    // Uncached, so each icon's texture goes with its page: cached ones outlive
    // the window and are never freed at exit.
    icon.cache: false
    icon.width: 28
    icon.height: 28
    icon.color: "transparent"
    display: AbstractButton.IconOnly
    Accessible.role: Accessible.Button
    Accessible.name: button.name
    ToolTip.visible: button.hovered
    ToolTip.text: button.name
    ToolTip.delay: 600
    background: Rectangle {
        color: button.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
        radius: 4
    }
    FocusRing {
        shown: button.visualFocus
    }
}
