import QtQuick
import QtQuick.Controls
import PlayerLink

// A skin's plain slider: its track images stretched left and right of the
// thumb from their cap widths, and the thumb at its own size in a handle a
// finger can take.
Slider {
    id: slider

    required property SkinSliderControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown
    enabled: control.enabled
    opacity: control.opacity
    from: 0
    to: control.maximum
    value: control.value
    padding: 0

    Accessible.name: control.accessibleName
    // The range as assistive technology reads it.
    readonly property real minimumValue: slider.from
    readonly property real maximumValue: slider.to

    onMoved: control.userMoved(value)

    background: Item {
        readonly property real thumbCentre: slider.handle.x + slider.handle.width / 2
        BorderImage {
            cache: false
            y: (slider.height - height) / 2
            width: Math.max(parent.thumbCentre, slider.control.minimumTrackCap)
            height: slider.control.trackHeight
            source: slider.control.minimumTrack
            border.left: slider.control.minimumTrackCap
            smooth: true
        }
        BorderImage {
            cache: false
            x: parent.thumbCentre
            y: (slider.height - height) / 2
            width: Math.max(0, slider.width - parent.thumbCentre)
            height: slider.control.trackHeight
            source: slider.control.maximumTrack
            border.left: slider.control.maximumTrackCap
            smooth: true
        }
    }

    FocusRing {
        shown: slider.visualFocus
    }

    handle: Item {
        x: slider.visualPosition * (slider.availableWidth - width)
        y: (slider.height - height) / 2
        width: Math.max(48, slider.control.thumbSize.width)
        height: Math.max(48, slider.control.thumbSize.height)
        Image {
            cache: false
            anchors.centerIn: parent
            width: slider.control.thumbSize.width
            height: slider.control.thumbSize.height
            source: slider.control.thumb
            smooth: true
        }
    }
}
