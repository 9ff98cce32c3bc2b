pragma Singleton
import QtQuick

// The program's colours, sizes and fonts, one place for every page. The
// skin's own drawing takes its colours from the skin, not from here.
QtObject {
    // Surfaces, darkest first.
    readonly property color background: "#101114"
    readonly property color surface: "#16171a"
    readonly property color bar: "#1d1e22"
    readonly property color raised: "#2b2d33"
    readonly property color raisedTop: "#3a3c42"
    readonly property color raisedBottom: "#26272c"
    readonly property color pressed: "#2b2d33"
    readonly property color selection: "#2b4a73"
    // What lies behind a skin and a web page.
    readonly property color skinBackground: "black"
    readonly property color paper: "white"
    readonly property color paperText: "black"

    // A text field drawn on its own, light on the dark page.
    readonly property color field: "white"
    readonly property color fieldText: "black"

    // Lines.
    readonly property color separator: "#2a2b30"
    readonly property color border: "#4a4c52"
    readonly property color outline: "#0e0f11"
    readonly property color barEdge: "black"

    // Texts.
    readonly property color text: "#f2f2f2"
    readonly property color barText: "white"
    readonly property color secondaryText: "#9a9da6"
    readonly property color mutedText: "#c8cad0"
    readonly property color disabledText: "#5a5d66"
    readonly property color link: "#6cb4ff"

    // The program's orange: ticks, the default action, what plays.
    readonly property color accent: "#ff8c1a"
    readonly property color accentPressed: "#c0620a"
    readonly property color accentDark: "#8a4a0e"
    readonly property color accentLight: "#ffb347"
    readonly property color destructive: "#c0392b"
    readonly property color destructivePressed: "#8e2a20"
    readonly property color badge: "#e0281e"
    readonly property color focusRing: "#4fc3ff"
    readonly property color focusRingEdge: Qt.rgba(0, 0, 0, 0.67)
    // A pressed bar button, over whatever the bar is.
    readonly property color barPressed: Qt.rgba(1, 1, 1, 0.15)

    // Floating panels and the messages over a list.
    readonly property color toast: "#cc000000"
    readonly property color panel: "#eb101114"
    readonly property color panelBorder: "#28ffffff"
    readonly property color scrim: Qt.rgba(0, 0, 0, 0.5)

    // The news, in the feed's own blue rows on a grey page.
    readonly property color newsBackground: "#242424"
    readonly property color newsRowTop: "#454f61"
    readonly property color newsRowBottom: "#242e40"
    readonly property color newsRowTopPressed: "#5e697a"
    readonly property color newsRowBottomPressed: "#3d4759"
    readonly property color newsSeparator: "#141414"
    readonly property color newsDate: "#aaaaaa"

    // The skin picker's drum: a dark well, a metal rim and a glassy band
    // over the chosen row.
    readonly property color pickerWell: "#222327"
    readonly property color pickerRimEdge: "#6f7075"
    readonly property color pickerRimMid: "#c9cacd"
    readonly property color pickerRimShine: "#f2f2f4"
    readonly property color pickerBand: Qt.rgba(0.75, 0.8, 0.95, 0.3)
    readonly property color pickerBandEdge: Qt.rgba(0.3, 0.32, 0.4, 0.8)
    readonly property color pickerCaption: "black"
    readonly property color pickerCaptionEdge: "white"

    // Marks drawn over a skin: its page dots, its zoom slider's track.
    readonly property color onSkin: "white"
    readonly property color zoomTrack: Qt.rgba(1, 1, 1, 0.3)

    // A page turning: the shadow it casts and the shading of its curl.
    readonly property color turnShadow: Qt.rgba(0, 0, 0, 0.55)
    readonly property color curlClear: Qt.rgba(1, 1, 1, 0)
    readonly property color curlLight: Qt.rgba(0.93, 0.93, 0.95, 0.85)
    readonly property color curlMid: Qt.rgba(0.75, 0.76, 0.8, 1)
    readonly property color curlDark: Qt.rgba(0.35, 0.36, 0.4, 1)

    // Sizes.
    readonly property int barHeight: 48
    readonly property int touchTarget: 48
    readonly property int bandHeight: 32
    readonly property int rowHeight: 50
    readonly property int tallRowHeight: 56
    readonly property int detailRowHeight: 62
    readonly property int margin: 12
    readonly property int rowInset: 14
    readonly property int spacing: 8
    readonly property int smallRadius: 4
    readonly property int radius: 8
    readonly property int sheetRadius: 12
    readonly property int sheetWidth: 340
    readonly property int sheetPadding: 16
    readonly property int buttonWidth: 88
    readonly property int barButtonWidth: 64
    readonly property int iconSize: 28
    readonly property int rowIconSize: 25

    // Font sizes, in pixels.
    readonly property int rowFont: 15
    readonly property int detailFont: 12
    readonly property int smallFont: 11
    readonly property int markFont: 18
    readonly property int buttonFont: 16
    readonly property int titleFont: 16
}
