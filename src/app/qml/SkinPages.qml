import QtQuick
import QtQuick.Controls
import PlayerLink

// A skin's paging scroll view: its pages side by side, swiped one at a
// time; the page shown is the control's (the main scroll view's is
// remembered across runs). The main one shows dots below it.
Item {
    id: pages

    required property SkinPagesControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown

    function slideTo(page: int, animated: bool) {
        slide.stop()
        if (animated) {
            slide.to = page * flick.width
            slide.start()
        } else {
            flick.contentX = page * flick.width
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        clip: true
        interactive: pages.control.slidable
        contentWidth: width * pages.control.pageCount
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        pressDelay: 0

        onFlickStarted: {
            const velocity = horizontalVelocity
            cancelFlick()
            pages.control.currentPage = pages.control.pageAfterRelease(contentX, velocity)
            pages.slideTo(pages.control.currentPage, true)
        }
        onMovementEnded: {
            if (!slide.running) {
                pages.control.currentPage = pages.control.pageAfterRelease(contentX, 0)
                pages.slideTo(pages.control.currentPage, true)
            }
        }
        onWidthChanged: pages.slideTo(pages.control.currentPage, false)

        Repeater {
            model: pages.control.children
            delegate: SkinPart {}
        }
    }

    // Over the pages' controls too: a sideways wheel or trackpad swipe
    // turns one page; anything else is the controls'.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel => wheel.accepted = pages.control.wheelSwiped(wheel.angleDelta, wheel.pixelDelta)
    }

    NumberAnimation {
        id: slide
        target: flick
        property: "contentX"
        duration: 250
        easing.type: Easing.OutCubic
    }

    // The keyboard reaching a control on another page turns to that page.
    // Untyped: compiled ahead of time (Qt 6.4), it left the page unturned.
    function showFocused(item) {
        for (let above = item; above; above = above.parent) {
            if (above === flick.contentItem) {
                const centre = item.mapToItem(flick.contentItem, item.width / 2, item.height / 2)
                const page = Math.floor(centre.x / Math.max(1, flick.width))
                const control = pages.control
                if (page >= 0 && page < control.pageCount && page !== control.currentPage)
                    control.currentPage = page
                return
            }
        }
    }
    Connections {
        target: pages.Window.window
        function onActiveFocusItemChanged() {
            const window = pages.Window.window
            if (window && window.activeFocusItem)
                pages.showFocused(window.activeFocusItem)
        }
    }

    Connections {
        target: pages.control
        function onCurrentPageChanged() {
            if (!flick.moving)
                pages.slideTo(pages.control.currentPage, true)
        }
    }

    PageIndicator {
        id: dots
        objectName: "pageDots"
        readonly property real dot: Math.max(5, Math.round(7 * pages.control.scale))
        visible: pages.control.showsPageDots
        count: pages.control.pageCount
        currentIndex: pages.control.currentPage
        interactive: true
        padding: 0
        spacing: dot
        anchors.horizontalCenter: parent.horizontalCenter
        // Just below the pages, inside the skin.
        y: parent.height + Math.min(2 * pages.control.scale, pages.control.roomBelow - height)
        onCurrentIndexChanged: pages.control.currentPage = currentIndex
        Accessible.name: qsTrId("Page")
        // Not a bound component: the indicator writes its delegates' context,
        // which a bound one shares with the file.
        // qmllint disable unqualified
        delegate: Rectangle {
            required property int index
            implicitWidth: dots.dot
            implicitHeight: dots.dot
            radius: dots.dot / 2
            color: Theme.onSkin
            opacity: index === dots.currentIndex ? 0.95 : 0.4
        }
        // qmllint enable unqualified
    }

    Component.onCompleted: slideTo(control.currentPage, false)
}
