pragma ComponentBehavior: Bound
import QtQuick
import PlayerLink

// A skin's playlist table: a row per item in the skin's row images and
// colours, the one that plays marked and kept in view; tapping a row plays
// it.
ListView {
    id: table

    required property SkinTableControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown
    clip: true
    model: control.scene.playlistRows
    boundsBehavior: Flickable.StopAtBounds
    reuseItems: true
    // A stop of the keyboard's ring, as every control of the skin; the
    // remote's keys stay the remote's.
    activeFocusOnTab: true

    Accessible.role: Accessible.List
    Accessible.name: control.accessibleName

    // The row that plays in view as it changes, and as the table first
    // shows the rows: a remote screen opened again shows it at once.
    function showCurrentRow() {
        if (table.control.scene.currentRow >= 0 && table.control.scene.currentRow < table.count)
            table.positionViewAtIndex(table.control.scene.currentRow, ListView.Contain)
    }
    Component.onCompleted: table.showCurrentRow()
    onCountChanged: table.showCurrentRow()

    Connections {
        target: table.control.scene
        function onCurrentRowChanged() {
            table.showCurrentRow()
        }
    }

    FocusRing {
        parent: table
        shown: table.activeFocus
        radius: 2
    }

    delegate: Item {
        id: row

        required property int index
        required property string title
        required property bool playing
        required property bool placeholder
        readonly property bool lit: tap.pressed || playing

        width: ListView.view.width
        height: table.control.rowHeight

        Accessible.role: Accessible.ListItem
        Accessible.name: title
        Accessible.onPressAction: table.control.scene.chooseRow(index)

        MouseArea {
            id: tap
            anchors.fill: parent
            onClicked: table.control.scene.chooseRow(row.index)
            // A second tap soon after the first plays its row too.
            onDoubleClicked: table.control.scene.chooseRow(row.index)
        }
        Image {
            anchors.fill: parent
            cache: false
            source: row.lit ? table.control.rowBackgroundHighlighted : table.control.rowBackground
            smooth: true
        }
        TextMetrics {
            id: markWidth
            font: mark.font
            text: mark.text
        }
        Text {
            id: mark
            visible: row.playing
            x: 10 * table.control.scale
            width: visible ? markWidth.advanceWidth : 0
            height: parent.height
            text: "\u25B6 "
            color: row.lit ? table.control.highlightedTextColor : table.control.textColor
            font.pixelSize: table.control.fontPixelSize
            font.bold: true
            verticalAlignment: Text.AlignVCenter
        }
        Text {
            x: mark.x + mark.width
            width: parent.width - x - 10 * table.control.scale
            height: parent.height
            text: row.title
            // A title that fits its row fits it playing too, a little
            // smaller beside the mark; the end of a longer one stays in view.
            elide: Text.ElideLeft
            color: row.lit ? table.control.highlightedTextColor : table.control.textColor
            font.pixelSize: row.playing ? TextFit.sizeToFit(row.title, Qt.font({ bold: true, pixelSize: table.control.fontPixelSize }),
                                                            width, mark.width)
                                        : table.control.fontPixelSize
            font.bold: true
            verticalAlignment: Text.AlignVCenter
            textFormat: Text.PlainText
        }
    }
}
