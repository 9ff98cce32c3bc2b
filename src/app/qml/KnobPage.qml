import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The speed or the audio delay on a knob, its value above it and three
// buttons below (slower, normal, faster; or -1 s, zero, +1 s).
Page {
    id: page
    objectName: page.speed ? "speedPage" : "audioDelayPage"

    required property AdvancedScreens advanced
    // The speed's page, rather than the audio delay's.
    required property bool speed

    title: page.speed ? qsTrId("Speed") : qsTrId("Audio Delay")
    background: Rectangle {
        color: Theme.background
    }

    StackView.onActivated: {
        if (page.speed)
            page.advanced.loadSpeed()
        else
            page.advanced.loadDelay()
        knob.forceActiveFocus()
    }

    // Portrait: the value, the knob, the buttons in a column; landscape: the
    // knob beside them.
    GridLayout {
        anchors.fill: parent
        anchors.margins: 16
        columns: page.width > page.height ? 2 : 1
        rowSpacing: 12
        columnSpacing: 16

        Knob {
            id: knob
            objectName: "knob"
            name: page.title
            value: page.speed ? page.advanced.speedValue : page.advanced.delayValue
            Layout.alignment: Qt.AlignCenter
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 220
            Layout.preferredHeight: 220
            Layout.maximumWidth: 320
            Layout.maximumHeight: 320
            Layout.minimumWidth: 120
            Layout.minimumHeight: 120
            Layout.row: page.width > page.height ? 0 : 1
            Layout.rowSpan: page.width > page.height ? 2 : 1
            onTurned: value => page.speed ? page.advanced.turnSpeed(value, false) : page.advanced.turnDelay(value, false)
            onReleased: value => page.speed ? page.advanced.turnSpeed(value, true) : page.advanced.turnDelay(value, true)
        }

        Label {
            objectName: "knobValue"
            text: page.speed ? page.advanced.speedText : page.advanced.delayText
            color: Theme.text
            font.pixelSize: 22
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 14
            horizontalAlignment: Text.AlignHCenter
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            Layout.fillWidth: true
            Layout.row: 0
            Layout.column: page.width > page.height ? 1 : 0
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            Layout.row: page.width > page.height ? 1 : 2
            Layout.column: page.width > page.height ? 1 : 0
            Repeater {
                model: page.speed ? [qsTrId("Slower"), qsTrId("Normal"), qsTrId("Faster")]
                                  : [qsTrId("-1 s"), qsTrId("Zero"), qsTrId("+1 s")]
                delegate: PlainButton {
                    id: step
                    required property int index
                    required property string modelData
                    objectName: "knobButton-" + step.index
                    text: step.modelData
                    font.bold: true
                    font.pixelSize: Theme.buttonFont
                    Layout.fillWidth: true
                    Layout.preferredHeight: Theme.touchTarget
                    onClicked: {
                        const advanced = page.advanced
                        if (page.speed && step.index === 0)
                            advanced.slower()
                        else if (page.speed && step.index === 1)
                            advanced.normalSpeed()
                        else if (page.speed)
                            advanced.faster()
                        else if (step.index === 0)
                            advanced.delayMinusOne()
                        else if (step.index === 1)
                            advanced.delayZero()
                        else
                            advanced.delayAddOne()
                    }
                }
            }
        }
    }
}
