import QtQuick
import QtQuick.Controls
import PlayerLink

// A list section's title strip, over the section's first row.
Rectangle {
    id: band

    required property string text

    // Qt 6.4 gives a Label its own role: the band is the heading.
    Accessible.role: Accessible.Heading
    Accessible.name: band.text
    width: parent ? parent.width : 0
    height: Theme.bandHeight
    color: Theme.bar
    Label {
        anchors.fill: parent
        anchors.leftMargin: Theme.rowInset
        anchors.rightMargin: Theme.rowInset
        verticalAlignment: Text.AlignVCenter
        text: band.text
        elide: Text.ElideRight
        color: Theme.secondaryText
        font.bold: true
        Accessible.ignored: true
    }
}
