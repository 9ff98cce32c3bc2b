import QtQuick
import QtQuick.Controls

// A plain text button of the dialogs and the list rows, on the style's face
// and colours, with the keyboard's ring that every control wears in place of
// the style's own focus border.
Button {
    id: button

    Accessible.name: button.text
    background: Rectangle {
        implicitWidth: 88
        implicitHeight: 40
        visible: !button.flat || button.down
        radius: 2
        color: button.down ? Qt.darker(button.palette.button, 1.3) : button.palette.button
    }
    contentItem: Label {
        text: button.text
        font: button.font
        color: button.flat ? button.palette.windowText : button.palette.buttonText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    FocusRing {
        shown: button.visualFocus
        radius: 4
    }
}
