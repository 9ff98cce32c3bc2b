pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// VLC's equalizer: on or off, the preamp, the ten bands from 60 Hz to
// 16 kHz side by side, and VLC's presets under them. It shows what VLC
// reports, asked every second while the page shows. Tab goes from control
// to control; the arrows move the slider the keys are on, Left and Right
// go from band to band.
Page {
    id: page
    objectName: "equalizerPage"

    required property AdvancedScreens advanced
    readonly property EqualizerModel equalizer: page.advanced.equalizer

    title: qsTrId("Equalizer")
    readonly property real bandLineHeight: bandFont.height
    background: Rectangle {
        color: Theme.background
    }

    FontMetrics {
        id: bandFont
        font.pixelSize: Theme.smallFont
    }

    WindowActivity {
        id: activity
        window: page.Window.window
    }

    Binding {
        target: page.advanced
        property: "equalizerActive"
        value: page.StackView.status === StackView.Active && activity.active
    }

    StackView.onActivated: onSwitch.forceActiveFocus()

    // A gain as the page writes it: "+3.5", "-12", "0"; with its unit,
    // "+3.5 dB".
    function gainNumber(db: real): string {
        const rounded = Math.round(db * 10) / 10
        const number = rounded.toLocaleString(Qt.locale(), "f", Number.isInteger(rounded) ? 0 : 1)
        return rounded > 0 ? "+" + number : number
    }
    function gainText(db: real): string {
        return qsTrId("%1 dB").arg(page.gainNumber(db))
    }

    Label {
        objectName: "equalizerMissing"
        visible: !page.equalizer.available
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.margin
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTrId("This VLC does not tell of an equalizer.")
        color: Theme.secondaryText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        visible: page.equalizer.available

        Switch {
            id: onSwitch
            objectName: "equalizerSwitch"
            text: qsTrId("Equalizer")
            checked: page.equalizer.enabled
            onToggled: page.equalizer.enabled = checked
            palette.windowText: Theme.text
            // The style's groove: orange when on.
            palette.dark: Theme.accent
            palette.midlight: Theme.raised
            Accessible.name: qsTrId("Equalizer")
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            Layout.leftMargin: Theme.margin
            Layout.rightMargin: Theme.margin
            FocusRing {
                shown: onSwitch.visualFocus
            }
        }

        RowLayout {
            spacing: Theme.spacing
            Layout.fillWidth: true
            Layout.leftMargin: Theme.margin
            Layout.rightMargin: Theme.margin
            Label {
                text: qsTrId("Preamp")
                color: Theme.text
                font.pixelSize: Theme.rowFont
            }
            GainSlider {
                id: preamp
                objectName: "preamp"
                name: qsTrId("Preamp")
                from: page.equalizer.minimumGain
                to: page.equalizer.maximumGain
                value: page.equalizer.preamp
                onMoved: page.equalizer.preamp = value
                Accessible.description: page.gainText(value)
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
            }
            Label {
                text: page.gainText(preamp.value)
                color: Theme.secondaryText
                font.pixelSize: Theme.detailFont
                horizontalAlignment: Text.AlignRight
                Layout.preferredWidth: gainMetrics.advanceWidth
                Accessible.ignored: true
            }
        }

        TextMetrics {
            id: gainMetrics
            font.pixelSize: Theme.detailFont
            text: page.gainText(-20.5)
        }

        // The ten bands: each its gain over its slider, its frequency under it.
        RowLayout {
            id: bandRow
            spacing: 0
            Layout.fillWidth: true
            // Not the whole page: the presets need their room.
            Layout.fillHeight: false
            Layout.preferredHeight: 220
            Layout.minimumHeight: 150
            Layout.leftMargin: Theme.spacing / 2
            Layout.rightMargin: Theme.spacing / 2
            Repeater {
                id: bands
                model: page.equalizer
                delegate: ColumnLayout {
                    id: band
                    required property int index
                    required property string label
                    required property double gain
                    spacing: 2
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    // The number alone: the unit stands by the preamp.
                    Label {
                        text: page.gainNumber(band.gain)
                        color: Theme.secondaryText
                        font.pixelSize: Theme.smallFont
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 7
                        horizontalAlignment: Text.AlignHCenter
                        Layout.fillWidth: true
                        Layout.preferredWidth: 0
                        Accessible.ignored: true
                    }
                    GainSlider {
                        id: slider
                        objectName: "band-" + band.index
                        name: band.label
                        orientation: Qt.Vertical
                        from: page.equalizer.minimumGain
                        to: page.equalizer.maximumGain
                        value: band.gain
                        onMoved: page.equalizer.setGain(band.index, value)
                        Accessible.description: page.gainText(value)
                        Layout.alignment: Qt.AlignHCenter
                        Layout.fillHeight: true
                        Layout.fillWidth: true
                        Layout.preferredWidth: 0
                        Layout.maximumWidth: Theme.touchTarget
                        Keys.onLeftPressed: event => page.stepBand(band.index, -1, event)
                        Keys.onRightPressed: event => page.stepBand(band.index, 1, event)
                    }
                    // "60 Hz" as number over unit: ten columns side by side
                    // leave no room for both on one line at a phone's width.
                    Label {
                        text: band.label.replace(" ", "\n")
                        color: Theme.text
                        font.pixelSize: Theme.smallFont
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 7
                        maximumLineCount: 2
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignTop
                        Layout.fillWidth: true
                        Layout.preferredWidth: 0
                        // Room for both lines, whatever the width.
                        Layout.preferredHeight: 2 * page.bandLineHeight
                        Accessible.ignored: true
                    }
                }
            }
        }

        SectionBand {
            text: qsTrId("Presets")
            Layout.fillWidth: true
            Layout.topMargin: Theme.spacing
        }

        KeyList {
            id: presets
            objectName: "presetList"
            model: page.equalizer.presets
            Accessible.role: Accessible.List
            Accessible.name: qsTrId("Presets")
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.vertical: ScrollBar {}

            delegate: FocusRow {
                id: preset
                required property int index
                required property string name
                required property int presetId
                listView: presets
                rowIndex: preset.index
                objectName: "preset-" + preset.name
                width: ListView.view.width
                Accessible.role: Accessible.ListItem
                Accessible.name: preset.name
                contentItem: Label {
                    text: preset.name
                    elide: Text.ElideRight
                    color: Theme.text
                    font.pixelSize: Theme.rowFont
                    verticalAlignment: Text.AlignVCenter
                }
                onClicked: page.equalizer.choosePreset(preset.presetId)
            }
        }
    }

    // Left and Right from a band's slider: the keys go to the band beside it.
    function stepBand(index: int, by: int, event: KeyEvent) {
        const next = bands.itemAt(index + by)
        for (let i = 0; next && i < next.children.length; ++i) {
            const slider = next.children[i] as GainSlider
            if (slider)
                slider.forceActiveFocus(Qt.TabFocusReason)
        }
        event.accepted = true
    }
}
