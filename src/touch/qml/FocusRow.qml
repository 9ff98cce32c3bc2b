import QtQuick
import QtQuick.Controls

// A list row the keyboard reaches: Tab goes from row to row (Qt Quick's
// item delegates take no focus by default), the list scrolls to the row,
// a ring shows it, and Space presses it. It stays in view as the list
// changes its size (the window turned).
ItemDelegate {
    id: row
    property ListView listView: null
    property int rowIndex: -1

    function showInList() {
        if (activeFocus && listView && rowIndex >= 0)
            listView.positionViewAtIndex(rowIndex, ListView.Contain)
    }

    focusPolicy: Qt.TabFocus
    onActiveFocusChanged: showInList()

    Connections {
        target: row.activeFocus ? row.listView : null
        function onHeightChanged() {
            row.showInList()
        }
        function onWidthChanged() {
            row.showInList()
        }
    }

    Rectangle {
        anchors.fill: parent
        z: 1
        visible: row.visualFocus
        color: "transparent"
        border.color: "#ff8c1a"
        border.width: 2
        Accessible.ignored: true
    }
}
