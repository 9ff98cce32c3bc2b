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
    // What the player says, also while the wheel waits out of view.
    Accessible.description: wheels.text(wheel, behind ? rowFromPlayer() : currentIndex)

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
        color: "#111215"
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
    }
}
