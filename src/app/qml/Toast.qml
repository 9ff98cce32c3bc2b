import QtQuick
import QtQuick.Controls
import PlayerLink

// A short message over the foot of a list, on a dark translucent plate.
Label {
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    anchors.bottom: parent ? parent.bottom : undefined
    anchors.bottomMargin: Theme.sheetPadding
    padding: 10
    color: Theme.barText
    background: Rectangle {
        color: Theme.toast
        radius: Theme.radius
    }
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
