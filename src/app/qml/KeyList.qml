import QtQuick

// A list of rows the keyboard walks: Up and Down move the ring from row to
// row (each a FocusRow; headings and rows that cannot be chosen are passed
// over, and the ends hold), Enter chooses the row with the ring as a tap
// would, Delete asks that row to remove itself. The window sends these keys
// here from wherever the focus is (WindowKeys).
ListView {
    id: list

    // The row the keys are on (-1 before they have been on one): the last
    // of its rows that had the focus.
    property int keyRow: -1

    clip: true
    keyNavigationEnabled: false

    // The row of the model's index, made if it was out of view. Untyped, as
    // step(): compiled ahead of time (Qt 6.4), the focus lost its reason.
    function rowAt(index) {
        if (index < 0 || index >= list.count)
            return null
        list.positionViewAtIndex(index, ListView.Contain)
        const item = list.itemAtIndex(index)
        if (!item)
            return null
        const row = item as FocusRow
        if (row)
            return row
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i] as FocusRow
            if (child)
                return child
        }
        return null
    }

    function step(by) {
        const from = list.keyRow < 0 || list.keyRow >= list.count ? (by > 0 ? -1 : list.count) : list.keyRow
        for (let index = from + by; index >= 0 && index < list.count; index += by) {
            const row = list.rowAt(index)
            if (row && row.enabled && row.visible) {
                row.forceActiveFocus(Qt.TabFocusReason)
                return
            }
        }
        // At an end: the ring stays, and shows again where it was.
        const row = list.rowAt(list.keyRow)
        if (row && row.enabled && row.visible)
            row.forceActiveFocus(Qt.TabFocusReason)
    }

    function noteFocus(item) {
        for (let above = item; above && above !== list; above = above.parent) {
            const row = above as FocusRow
            if (row && row.listView === list) {
                list.keyRow = row.rowIndex
                return
            }
        }
    }
    Connections {
        target: list.Window.window
        function onActiveFocusItemChanged() {
            const window = list.Window.window
            if (window)
                list.noteFocus(window.activeFocusItem)
        }
    }

    Keys.onPressed: event => {
        if (event.modifiers & ~Qt.KeypadModifier)
            return
        if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            list.step(event.key === Qt.Key_Down ? 1 : -1)
            event.accepted = true
        } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            const row = list.rowAt(list.keyRow)
            if (row && row.enabled && row.visible)
                row.clicked()
            event.accepted = true
        } else if (event.key === Qt.Key_Delete || event.key === Qt.Key_Backspace) {
            const row = list.rowAt(list.keyRow)
            if (row && row.visible)
                row.removeWanted()
            event.accepted = true
        }
    }
}
