import QtQuick
import PlayerLink

// The turns some screens come and go with, in place of the slide: a flip
// about the upright middle (from the left, or back from the right), and a
// page curling down over the screen or up off it. It draws over the stack
// both pages live, the leaving one and the coming one, while the stack
// holds them still; once the turn is over and the stack at rest, the pages
// show themselves again.
Item {
    id: turn

    // "flipFromLeft", "flipFromRight", "curlDown", "curlUp"; "" while none runs.
    property string kind: ""
    // Whether the stack still moves its pages (its own hold of them).
    required property bool stackBusy
    readonly property int duration: 450
    property Item leaving: null
    property Item coming: null
    property real progress: 0
    readonly property bool flip: turn.kind === "flipFromLeft" || turn.kind === "flipFromRight"

    // The turn the stack's next push or pop goes with, before it is made.
    function prepare(kind: string) {
        motion.stop()
        turn.progress = 0
        turn.kind = kind
    }

    // The pages are in place: the turn runs.
    function start(leaving: Item, coming: Item) {
        turn.leaving = leaving
        turn.coming = coming
        motion.restart()
    }

    function finish() {
        if (motion.running || turn.stackBusy)
            return
        turn.kind = ""
        turn.leaving = null
        turn.coming = null
    }

    onStackBusyChanged: turn.finish()
    visible: turn.kind !== ""

    NumberAnimation {
        id: motion
        target: turn
        property: "progress"
        from: 0
        to: 1
        duration: turn.duration
        easing.type: Easing.InOutCubic
        onFinished: turn.finish()
    }

    // Flip: a card with the leaving page on its front and the coming one on
    // its back, seen in perspective as it turns.
    Item {
        id: card
        anchors.fill: parent
        visible: turn.flip
        transform: Rotation {
            origin.x: card.width / 2
            origin.y: card.height / 2
            axis.x: 0
            axis.y: 1
            axis.z: 0
            angle: (turn.kind === "flipFromLeft" ? 180 : -180) * turn.progress
        }
        ShaderEffectSource {
            width: turn.width
            height: turn.height
            hideSource: turn.kind !== ""
            sourceItem: turn.flip ? turn.leaving : null
            // Hidden by opacity: it keeps its page hidden in the stack meanwhile.
            opacity: turn.progress < 0.5 ? 1 : 0
        }
        ShaderEffectSource {
            width: turn.width
            height: turn.height
            hideSource: turn.kind !== ""
            sourceItem: turn.flip ? turn.coming : null
            opacity: turn.progress >= 0.5 ? 1 : 0
            // Its back, turned to face the front.
            transform: Rotation {
                origin.x: turn.width / 2
                axis.x: 0
                axis.y: 1
                axis.z: 0
                angle: 180
            }
        }
    }

    // Curl: the upper page held by its top edge, shown down to the edge that
    // moves: the coming page rolling down over the leaving one, or the
    // leaving page rolling up off the coming one.
    Item {
        id: curl
        readonly property bool down: turn.kind === "curlDown"
        readonly property real edge: turn.height * (curl.down ? turn.progress : 1 - turn.progress)
        anchors.fill: parent
        visible: turn.kind === "curlDown" || turn.kind === "curlUp"
        ShaderEffectSource {
            width: turn.width
            height: turn.height
            hideSource: turn.kind !== ""
            sourceItem: curl.visible ? (curl.down ? turn.leaving : turn.coming) : null
        }
        // The lower page darkens under the upper one's shadow near the edge.
        Rectangle {
            y: curl.edge
            width: parent.width
            height: 28
            opacity: Math.min(1, 4 * Math.min(turn.progress, 1 - turn.progress) + 0.2)
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.turnShadow }
                GradientStop { position: 1; color: "transparent" }
            }
        }
        Item {
            width: parent.width
            height: curl.edge
            clip: true
            ShaderEffectSource {
                width: turn.width
                height: turn.height
                hideSource: turn.kind !== ""
                sourceItem: curl.visible ? (curl.down ? turn.coming : turn.leaving) : null
            }
            // The roll at the edge: the page's back, lit along its fold.
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: Math.min(parent.height, 22)
                gradient: Gradient {
                    GradientStop { position: 0; color: Theme.curlClear }
                    GradientStop { position: 0.55; color: Theme.curlLight }
                    GradientStop { position: 0.85; color: Theme.curlMid }
                    GradientStop { position: 1; color: Theme.curlDark }
                }
            }
        }
    }
}
