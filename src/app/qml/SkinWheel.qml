pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import PlayerLink

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
    // What the player says, also while the wheel waits out of view.
    readonly property int value: wheels.valueOf(wheel, behind ? rowFromPlayer() : currentIndex)
    readonly property int minimumValue: wheels.valueOf(wheel, 0)
    readonly property int maximumValue: wheels.valueOf(wheel, count - 1)
    Accessible.ignored: true
    // Reached by Tab alone: a finger turning it leaves the arrows the remote's.
    focusPolicy: Qt.TabFocus

    function rowFromPlayer(): int {
        return wheel === SkinWheels.Minutes ? wheels.minutesRow
             : wheel === SkinWheels.Seconds ? wheels.secondsRow : wheels.volumeRow
    }

    // The skin's pages that the wheel lies on: they move it into view and
    // out of it.
    property list<Flickable> pagesAround
    // The player moved on while the wheel was out of view.
    property bool behind: false

    // Whether the wheel shows: hidden (another orientation's skin), or on
    // a page that the pages' clip cuts away, it does not.
    function inView(): bool {
        if (!tumbler.visible)
            return false
        for (let i = 0; i < tumbler.pagesAround.length; ++i) {
            const pages = tumbler.pagesAround[i]
            const shown = tumbler.mapToItem(pages, 0, 0, tumbler.width, tumbler.height)
            if (shown.x + shown.width <= 0 || shown.x >= pages.width || shown.y + shown.height <= 0
                    || shown.y >= pages.height)
                return false
        }
        return true
    }

    // A step of a row or two rolls; anything farther (or unanimated) is
    // shown at once, as the wheel's own roll would take seconds. Out of
    // view the wheel waits, and shows the player's rows at once as it comes
    // into view: turning it there, unseen, took more than all else the
    // remote screen does while it sits.
    function follow() {
        if (tumbler.behind)
            return
        if (!inView()) {
            tumbler.behind = true
            return
        }
        const row = Math.max(0, Math.min(rowFromPlayer(), count - 1))
        const rolls = wheels.animated && Math.abs(row - currentIndex) <= 2
        currentIndex = row
        if (!rolls)
            positionViewAtIndex(row, Tumbler.Center)
    }

    function catchUp() {
        if (!tumbler.behind || !inView())
            return
        tumbler.behind = false
        const row = Math.max(0, Math.min(rowFromPlayer(), count - 1))
        currentIndex = row
        positionViewAtIndex(row, Tumbler.Center)
    }

    onVisibleChanged: catchUp()
    // Keys turn it from the player's row, wherever it stands.
    onActiveFocusChanged: {
        if (!tumbler.activeFocus || !tumbler.behind)
            return
        tumbler.behind = false
        tumbler.currentIndex = Math.max(0, Math.min(tumbler.rowFromPlayer(), tumbler.count - 1))
        tumbler.positionViewAtIndex(tumbler.currentIndex, Tumbler.Center)
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

    Component.onCompleted: {
        const around = []
        for (let outer = tumbler.parent; outer; outer = outer.parent) {
            const pages = outer as Flickable
            if (pages) {
                around.push(pages)
                pages.contentXChanged.connect(tumbler.catchUp)
                pages.contentYChanged.connect(tumbler.catchUp)
            }
        }
        tumbler.pagesAround = around
        tumbler.follow()
    }

    delegate: Text {
        required property int index
        width: tumbler.width - 30 * tumbler.unit
        text: tumbler.wheels.text(tumbler.wheel, index)
        horizontalAlignment: tumbler.wheel === SkinWheels.Seconds ? Text.AlignHCenter : Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.family: "DejaVu Sans Condensed"
        font.pixelSize: 24 * tumbler.unit
        color: Theme.background
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
    }
}
