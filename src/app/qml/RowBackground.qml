import QtQuick
import PlayerLink

// A list row's face: darker while pressed, the selection's colour while
// highlighted, and a separator under it from the text's edge.
Rectangle {
    id: face

    property bool pressed: false
    property bool highlighted: false
    property color highlightColor: Theme.selection
    // Where the separator starts, clear of an icon column.
    property real inset: Theme.rowInset

    color: face.pressed ? Theme.pressed : face.highlighted ? face.highlightColor : Theme.surface
    Rectangle {
        anchors.bottom: parent.bottom
        x: face.inset
        width: parent.width - x
        height: 1
        color: Theme.separator
    }
}
