pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import PlayerLink.Touch

// One wheel of a skin's picker. The keyboard turns it as a finger would: a
// row with Up and Down, five with the page keys, to its ends with Home and
// End; it seeks or sets the volume once the keys have rested a moment. Left
// and Right go to the wheel beside it.
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

    // What assistive technology reads as its value and range (SkinPicker
    // names the wheel: a Tumbler made while a screen reader listens takes a
    // role of its own).
    readonly property int value: wheels.valueOf(wheel, currentIndex)
    readonly property int minimumValue: wheels.valueOf(wheel, 0)
    readonly property int maximumValue: wheels.valueOf(wheel, count - 1)
    Accessible.ignored: true
    // Reached by Tab alone: a finger turning it leaves the arrows the remote's.
    focusPolicy: Qt.TabFocus

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

    Keys.onPressed: event => {
        if (event.modifiers & ~Qt.KeypadModifier)
            return
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
            const beside = tumbler.nextItemInFocusChain(event.key === Qt.Key_Right) as Tumbler
            if (beside && beside.parent && beside.parent.parent === tumbler.parent.parent)
                beside.forceActiveFocus(Qt.TabFocusReason)
            event.accepted = true
            return
        }
        const steps = { [Qt.Key_Up]: -1, [Qt.Key_Down]: 1, [Qt.Key_PageUp]: -5, [Qt.Key_PageDown]: 5 }
        let row
        if (event.key === Qt.Key_Home)
            row = 0
        else if (event.key === Qt.Key_End)
            row = tumbler.count - 1
        else if (steps[event.key] !== undefined)
            row = tumbler.currentIndex + steps[event.key]
        else
            return
        event.accepted = true
        tumbler.wheels.startSelection()
        tumbler.currentIndex = Math.max(0, Math.min(tumbler.count - 1, row))
        keysRest.restart()
    }

    Timer {
        id: keysRest
        interval: 500
        onTriggered: {
            if (tumbler.wheels.interacting)
                tumbler.wheels.select(tumbler.wheel, tumbler.currentIndex)
        }
    }

    FocusRing {
        shown: tumbler.visualFocus
        radius: 3 * tumbler.unit
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
