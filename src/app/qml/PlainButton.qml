import QtQuick
import QtQuick.Controls
import PlayerLink

// The program's push button, in the dialogs, the sheets, the list rows and
// the advanced controls: a raised dark face; the orange one of the action
// that goes ahead, the red one of an action that cannot be undone; flat, a
// text alone. It wears the keyboard's ring in place of the style's focus
// border, and a long translation takes a smaller size rather than losing
// its end.
Button {
    id: button

    // "default" for the action that goes ahead, "destructive" for one that
    // cannot be undone; anything else is a plain one.
    property string kind: ""

    implicitHeight: Theme.touchTarget
    implicitWidth: Math.max(Theme.buttonWidth, implicitContentWidth + leftPadding + rightPadding)
    leftPadding: Theme.margin
    rightPadding: Theme.margin
    font.bold: button.kind === "default" || button.kind === "destructive"
    Accessible.name: button.text
    background: Rectangle {
        visible: !button.flat || button.down
        radius: Theme.radius
        border.width: button.kind === "" && !button.flat ? 1 : 0
        border.color: Theme.border
        color: button.kind === "default" ? (button.down ? Theme.accentPressed : Theme.accent)
             : button.kind === "destructive" ? (button.down ? Theme.destructivePressed : Theme.destructive)
             : button.down ? Theme.accentDark : Theme.raised
        gradient: button.kind === "" && !button.flat && !button.down ? raisedFace : null
    }
    Gradient {
        id: raisedFace
        GradientStop { position: 0; color: Theme.raisedTop }
        GradientStop { position: 1; color: Theme.raisedBottom }
    }
    contentItem: Label {
        text: button.text
        font: button.font
        color: !button.enabled ? Theme.disabledText : button.flat ? Theme.accent : Theme.barText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPointSize: 7
        minimumPixelSize: 10
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    FocusRing {
        shown: button.visualFocus
        radius: Theme.radius
    }
}
