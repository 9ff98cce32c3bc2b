import QtQuick
import QtQuick.Controls
import PlayerLink

// A bar's button, on the bar's own colour (Basic's tool buttons bring a grey
// box of their own): named by its text, or drawn by an image of the bundle
// with its name for assistive technology and as a tooltip.
ToolButton {
    id: button

    // The bundle's image; none shows the text.
    property string image: ""
    // The name of an image button.
    property string name: button.text

    implicitHeight: Theme.barHeight
    implicitWidth: button.image !== "" ? Theme.touchTarget
                                       : Math.max(Theme.barButtonWidth, implicitContentWidth + leftPadding + rightPadding)
    palette.buttonText: Theme.barText
    palette.disabled.buttonText: Theme.disabledText
    Accessible.role: Accessible.Button
    Accessible.name: button.name
    ToolTip.visible: button.image !== "" && button.hovered
    ToolTip.text: button.name
    ToolTip.delay: 600
    background: Rectangle {
        color: button.down ? Theme.barPressed : "transparent"
        radius: Theme.smallRadius
    }
    // A long translation takes a smaller size where the bar is short of
    // room, rather than losing its end.
    contentItem: Label {
        text: button.image !== "" ? "" : button.text
        font: button.font
        color: button.enabled ? Theme.barText : Theme.disabledText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPointSize: 7
        minimumPixelSize: 9
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    Image {
        anchors.centerIn: parent
        visible: button.image !== ""
        source: button.image !== "" ? "qrc:/images/" + button.image : ""
        // Uncached, so each icon's texture goes with its page: cached ones
        // outlive the window and are never freed at exit.
        cache: false
        // No larger than the bar's icons: a smaller image keeps its size.
        sourceSize.width: Theme.iconSize
        sourceSize.height: Theme.iconSize
        opacity: button.enabled ? 1 : 0.4
        Accessible.ignored: true
    }
    FocusRing {
        shown: button.visualFocus
    }
}
