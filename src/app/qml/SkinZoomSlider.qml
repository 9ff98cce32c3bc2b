import QtQuick
import PlayerLink

// A skin's zoom slider: the scale moves under the marker in the middle.
// Assistive technology reads its value and range (value, minimumValue and
// maximumValue).
ZoomSlider {
    id: slider

    required property SkinZoomControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown
    enabled: control.enabled
    opacity: control.opacity
    scheme: control.scheme
    maximumValue: control.maximum
    playerValue: control.value
    textColor: control.textColor
    largeTickColor: control.largeTickColor
    mediumTickColor: control.mediumTickColor
    smallTickColor: control.smallTickColor
    activeFocusOnTab: true

    Accessible.role: Accessible.Slider
    Accessible.name: control.accessibleName

    onUserChangedValue: value => control.userMoved(value)

    Rectangle {
        // The marker: the value is the scale's under it.
        x: slider.width / 2 - 5
        width: 10
        height: slider.height
        radius: 2
        color: Theme.zoomTrack
    }

    FocusRing {
        // Reached only by the keyboard: a finger on it leaves the focus be.
        shown: slider.activeFocus
    }
}
