import QtQuick
import QtQuick.Controls
import PlayerLink

// A gain of the equalizer in dB, on the page's dark ground: the part above
// the middle (or right of it) filled orange. Its name and value reach
// assistive technology; the arrow keys move it a dB at a time.
Slider {
    id: slider

    // What assistive technology calls it: the band's frequency, or "Preamp".
    required property string name

    stepSize: 1
    // Gains between the steps are VLC's own, from a preset: a drag keeps
    // its smoothness, the keys the whole dB.
    snapMode: Slider.NoSnap
    focusPolicy: Qt.StrongFocus
    Accessible.name: slider.name
    // The range as assistive technology reads it.
    readonly property real minimumValue: slider.from
    readonly property real maximumValue: slider.to

    palette.dark: Theme.accent
    palette.midlight: Theme.raised
    palette.window: Theme.text
    palette.light: Theme.accentLight
    palette.mid: Theme.border
    palette.highlight: Theme.focusRing

    FocusRing {
        shown: slider.visualFocus
    }
}
