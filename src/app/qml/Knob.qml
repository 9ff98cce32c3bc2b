import QtQuick

// A round knob turned with one finger: its value is the number of turns,
// clockwise positive, kept between from and to. The arrow keys and the
// mouse wheel turn it by a twenty-fourth of a turn.
Item {
    id: knob

    property real value: 0
    property real from: -10
    property real to: 10
    property string name
    // While it turns, and once the finger lets go.
    signal turned(real value)
    signal released(real value)

    property real lastAngle: 0

    implicitWidth: 220
    implicitHeight: 220
    activeFocusOnTab: true
    Accessible.role: Accessible.Dial
    Accessible.name: knob.name
    Accessible.focusable: true
    // The range as assistive technology reads it, beside the value.
    readonly property real minimumValue: knob.from
    readonly property real maximumValue: knob.to

    function angleAt(x: real, y: real): real {
        return Math.atan2(y - knob.height / 2, x - knob.width / 2) * 180 / Math.PI
    }

    function turnBy(turns: real) {
        knob.value = Math.max(knob.from, Math.min(knob.to, knob.value + turns))
        knob.turned(knob.value)
    }

    // The knob stays round in any shape of the item.
    Item {
        id: face
        anchors.centerIn: parent
        width: Math.min(knob.width, knob.height)
        height: width

        Image {
            anchors.fill: parent
            source: "qrc:/images/rotator.png"
            // Uncached, as the bar's icons: a cached texture outlives the window.
            cache: false
            fillMode: Image.PreserveAspectFit
            smooth: true
            rotation: knob.value * 360
        }

        FocusRing {
            shown: knob.activeFocus
            radius: width / 2
        }
    }

    MouseArea {
        anchors.fill: parent
        onPressed: mouse => knob.lastAngle = knob.angleAt(mouse.x, mouse.y)
        onPositionChanged: mouse => {
            const angle = knob.angleAt(mouse.x, mouse.y)
            let delta = angle - knob.lastAngle
            if (delta > 180)
                delta -= 360
            else if (delta < -180)
                delta += 360
            knob.lastAngle = angle
            knob.turnBy(delta / 360)
        }
        onReleased: knob.released(knob.value)
        onWheel: wheel => {
            knob.turnBy((wheel.angleDelta.y > 0 ? 1 : -1) / 24)
            knob.released(knob.value)
        }
    }

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Right || event.key === Qt.Key_Up) {
            knob.turnBy(1 / 24)
            knob.released(knob.value)
            event.accepted = true
        } else if (event.key === Qt.Key_Left || event.key === Qt.Key_Down) {
            knob.turnBy(-1 / 24)
            knob.released(knob.value)
            event.accepted = true
        }
    }
}
