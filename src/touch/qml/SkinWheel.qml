pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import PlayerLink.Touch

// One wheel of a skin's picker.
Tumbler {
    id: tumbler

    required property int wheel
    required property SkinWheels wheels
    required property real unit
    width: wheels.widthOf(wheel) * unit
    wrap: false
    visibleItemCount: 5
    model: wheel === SkinWheels.Minutes ? wheels.minutesCount
         : wheel === SkinWheels.Seconds ? wheels.secondsCount : wheels.volumeCount

    Accessible.role: Accessible.SpinBox
    Accessible.name: wheels.nameOf(wheel)
    Accessible.description: wheels.text(wheel, currentIndex)

    function rowFromPlayer(): int {
        return wheel === SkinWheels.Minutes ? wheels.minutesRow
             : wheel === SkinWheels.Seconds ? wheels.secondsRow : wheels.volumeRow
    }

    // A step of a row or two rolls; anything farther (or unanimated) is
    // shown at once, as the wheel's own roll would take seconds.
    function follow() {
        const row = Math.max(0, Math.min(rowFromPlayer(), count - 1))
        const rolls = wheels.animated && Math.abs(row - currentIndex) <= 2
        currentIndex = row
        if (!rolls)
            positionViewAtIndex(row, Tumbler.Center)
    }

    // A finger (or the mouse) on the wheel: from now on the wheel is the
    // user's, until it comes to rest on another row. Passive: the wheel
    // still turns under it.
    Item {
        anchors.fill: parent
        z: 1
        PointHandler {
            onActiveChanged: {
                if (active)
                    tumbler.wheels.startSelection()
            }
        }
        // The mouse wheel turns a row a notch, and the turn counts at once,
        // rather than the list scrolling by itself and going back.
        WheelHandler {
            target: null
            onWheel: event => tumbler.wheels.wheelTurned(tumbler.wheel, event.angleDelta.y)
        }
    }

    onMovingChanged: {
        if (!moving && wheels.interacting)
            wheels.select(wheel, currentIndex)
    }

    Connections {
        target: tumbler.wheels
        function onRowsChanged() {
            tumbler.follow()
        }
        function onCountsChanged() {
            tumbler.follow()
        }
    }

    Component.onCompleted: follow()

    delegate: Text {
        required property int index
        width: tumbler.width - 30 * tumbler.unit
        text: tumbler.wheels.text(tumbler.wheel, index)
        horizontalAlignment: tumbler.wheel === SkinWheels.Seconds ? Text.AlignHCenter : Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.family: "DejaVu Sans Condensed"
        font.pixelSize: 24 * tumbler.unit
        color: "#111215"
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
    }
}
