import QtQuick
import QtQuick.Controls

// A list row the keyboard reaches: Tab goes from row to row (Qt Quick's
// item delegates take no focus by default), the list scrolls to the row,
// a ring shows it, and Space presses it.
ItemDelegate {
    id: row
    property ListView listView: null
    property int rowIndex: -1

    focusPolicy: Qt.TabFocus
    onActiveFocusChanged: {
        if (activeFocus && listView && rowIndex >= 0)
            listView.positionViewAtIndex(rowIndex, ListView.Contain)
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
