import QtQuick
import QtQuick.Controls
import PlayerLink

// A row's mark at its right end: the orange tick of the chosen row, or the
// chevron of a row that opens a screen.
Label {
    id: mark

    // The tick rather than the chevron.
    property bool tick: true

    text: mark.tick ? "\u2713" : "\u203a"
    color: mark.tick ? Theme.accent : Theme.secondaryText
    font.pixelSize: Theme.markFont
    Accessible.ignored: true
}
