import QtQuick
import QtQuick.Controls

// A button of the advanced controls and the "More..." choices, drawn as
// playerlink draws them: white bold text on a dark rounded face.
Button {
    id: button

    implicitHeight: 48
    font.bold: true
    font.pixelSize: 16
    palette.buttonText: "white"
    Accessible.name: button.text
    // A long translation takes a smaller size where the row is short of
    // room, rather than losing its end.
    contentItem: Label {
        text: button.text
        font: button.font
        color: button.palette.buttonText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    background: Rectangle {
        radius: 8
        border.color: "#4a4c52"
        border.width: 1
        gradient: Gradient {
            GradientStop { position: 0; color: button.down ? "#8a4a0e" : "#3a3c42" }
            GradientStop { position: 1; color: button.down ? "#8a4a0e" : "#26272c" }
        }
    }
    FocusRing {
        shown: button.visualFocus
        radius: 8
    }
}
