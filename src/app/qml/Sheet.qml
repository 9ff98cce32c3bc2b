pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// A dialog of the program, on its dark surface: the whole title and body,
// wrapped, scrolling when taller than the window, and the buttons under
// them. Two buttons that fit stand side by side, the one that goes ahead
// last (at the right); more, or longer ones, stand one under the other in
// their order. The button that goes ahead is orange, one that cannot be
// undone red.
Dialog {
    id: sheet

    // What stands under the title, laid out in a column.
    default property alias body: column.data
    // The buttons, in order: each { text, name (its objectName), kind:
    // "default", "destructive" or "" }.
    property var actions: []
    // The buttons one under the other whatever their number.
    property bool stacked: false
    // At the window's foot rather than in its middle, as an action sheet.
    property bool atFoot: false
    property int preferredWidth: Theme.sheetWidth

    // A button was pressed: its index in actions.
    signal acted(int index)

    readonly property real room: parent ? parent.width : preferredWidth
    // The window's height above an on-screen keyboard: a dialog with a
    // text field stands there whole.
    readonly property real roomHeight: !parent ? implicitHeight
        : parent.height - ((sheet.ApplicationWindow.window as Main)?.keyboardCover ?? 0)
    readonly property bool sideBySide: !sheet.stacked && sheet.actions.length === 2
        && sheet.actions.every(action => TextFit.lineWidth(action.text, sheet.font) + 2 * Theme.margin + 8
                                         <= (sheet.width - 2 * Theme.sheetPadding - Theme.spacing) / 2)

    modal: true
    parent: Overlay.overlay
    width: Math.min(sheet.preferredWidth, sheet.room - 2 * Theme.margin)
    // Never taller than the window: the body scrolls instead.
    height: Math.min(implicitHeight, sheet.roomHeight - 2 * Theme.margin)
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: !parent ? 0 : sheet.atFoot ? sheet.roomHeight - height - Theme.spacing : Math.round((sheet.roomHeight - height) / 2)
    padding: Theme.sheetPadding
    bottomPadding: sheet.actions.length > 0 ? Theme.margin : Theme.sheetPadding
    palette.window: Theme.bar
    palette.windowText: Theme.text
    palette.text: Theme.text
    palette.base: Theme.background
    palette.placeholderText: Theme.secondaryText
    palette.mid: Theme.border
    palette.dark: Theme.border
    palette.highlight: Theme.accent

    background: Rectangle {
        color: Theme.bar
        radius: Theme.sheetRadius
        border.color: Theme.border
    }
    header: null

    // The only child: the sheet takes its size, and it fills the sheet.
    Flickable {
        id: flick
        anchors.fill: parent
        // The sheet's width is its own: the texts wrap within it.
        implicitWidth: sheet.preferredWidth
        implicitHeight: column.implicitHeight
        contentWidth: flick.width
        contentHeight: column.implicitHeight
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        ColumnLayout {
            id: column
            width: flick.width
            spacing: Theme.margin
            // The whole title, however long: many a notice has no message and
            // says everything there.
            Label {
                objectName: sheet.objectName + "Title"
                visible: sheet.title !== ""
                text: sheet.title
                wrapMode: Text.Wrap
                horizontalAlignment: sheet.atFoot ? Text.AlignHCenter : Text.AlignLeft
                color: sheet.atFoot ? Theme.mutedText : Theme.text
                font.bold: true
                font.pixelSize: Theme.titleFont
                // Wrapped at once, not only once the column is laid out.
                width: column.width
                Layout.fillWidth: true
            }
        }
    }

    footer: Item {
        visible: sheet.actions.length > 0
        implicitHeight: buttons.implicitHeight + Theme.sheetPadding
        // A positioner, not a layout: Qt 6.4's GridLayout kept a button the
        // Repeater had just let go and used it once freed, when the window
        // turned as a notice changed its buttons.
        Grid {
            id: buttons
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: Theme.sheetPadding
            anchors.rightMargin: Theme.sheetPadding
            columns: sheet.sideBySide ? 2 : 1
            columnSpacing: Theme.spacing
            rowSpacing: Theme.spacing
            Repeater {
                model: sheet.actions
                PlainButton {
                    id: action
                    required property int index
                    required property var modelData
                    objectName: action.modelData.name
                    text: action.modelData.text
                    kind: action.modelData.kind ?? ""
                    width: buttons.columns === 2 ? (buttons.width - buttons.columnSpacing) / 2 : buttons.width
                    onClicked: sheet.acted(action.index)
                }
            }
        }
    }
}
