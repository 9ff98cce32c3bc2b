import QtQuick
import QtQuick.Controls
import PlayerLink

// A list row the keyboard reaches: Tab goes from row to row (Qt Quick's
// item delegates take no focus by default), and so do Up and Down in its
// KeyList; the list scrolls to the row, a ring shows it, and Space or Enter
// presses it. A click puts the keys there too, without the ring. It stays in
// view as the list changes its size (the window turned).
ItemDelegate {
    id: row
    property ListView listView: null
    property int rowIndex: -1

    // Delete was pressed on the row: what it means is the list's.
    signal removeWanted()

    function showInList() {
        if (activeFocus && listView && rowIndex >= 0)
            listView.positionViewAtIndex(rowIndex, ListView.Contain)
    }

    focusPolicy: Qt.StrongFocus
    onActiveFocusChanged: row.showInList()
    height: Theme.rowHeight
    leftPadding: Theme.rowInset
    rightPadding: Theme.rowInset
    background: RowBackground {
        pressed: row.down
    }

    Connections {
        target: row.activeFocus ? row.listView : null
        function onHeightChanged() {
            row.showInList()
        }
        function onWidthChanged() {
            row.showInList()
        }
    }

    FocusRing {
        shown: row.visualFocus
        radius: 2
    }
}
