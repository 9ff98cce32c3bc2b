import QtQuick
import PlayerLink

// The mark of the control the keyboard is on, the same on every control: a
// bright ring between two dark ones, so that it shows on the dark bars and
// on a skin's light images alike, in a colour no control takes for its own
// states (pressed and chosen ones turn orange). It fills its parent unless
// placed otherwise.
Rectangle {
    id: ring

    // Whether the keyboard is on the control now.
    required property bool shown

    objectName: "focusRing"
    anchors.fill: parent
    z: 10
    visible: ring.shown
    radius: 6
    color: "transparent"
    border.color: Theme.focusRingEdge
    border.width: 1.5
    Accessible.ignored: true

    Rectangle {
        anchors.fill: parent
        anchors.margins: 1.5
        radius: Math.max(0, ring.radius - 1.5)
        color: "transparent"
        border.color: Theme.focusRing
        border.width: 2.5

        Rectangle {
            anchors.fill: parent
            anchors.margins: 2.5
            radius: Math.max(0, ring.radius - 4)
            color: "transparent"
            border.color: Theme.focusRingEdge
            border.width: 1.5
        }
    }
}
