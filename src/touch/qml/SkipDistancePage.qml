pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// How far the remote screen's skip buttons jump: the chosen distance has a
// tick.
Page {
    id: page
    objectName: "skipDistancePage"

    required property TouchSettings settings

    title: qsTrId("Skip Distance")
    background: Rectangle {
        color: "#101114"
    }

    KeyList {
        id: list
        objectName: "skipDistanceList"
        anchors.fill: parent
        model: page.settings.skipDistances
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Skip Distance")
        // The first row carries the list's heading: Qt 6.4 makes no header
        // from a bound component ("Component is not ready").
        delegate: Column {
            id: row
            required property int index
            required property string word
            required property int distance
            required property bool chosen

            width: ListView.view.width

            Rectangle {
                // Qt 6.4 gives a Label its own role: the band is the heading.
                Accessible.role: Accessible.Heading
                Accessible.name: qsTrId("Skip Distance...")
                visible: row.index === 0
                width: parent.width
                height: 32
                color: "#1d1e22"
                Label {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    verticalAlignment: Text.AlignVCenter
                    text: qsTrId("Skip Distance...")
                    color: "#9a9da6"
                    font.bold: true
                    Accessible.ignored: true
                }
            }

            FocusRow {
                id: choice
                listView: list
                rowIndex: row.index
                objectName: "skip-" + row.distance
                width: parent.width
                height: 50
                Accessible.role: Accessible.ListItem
                Accessible.name: row.word
                Accessible.checkable: true
                Accessible.checked: row.chosen
                background: Rectangle {
                    color: choice.down ? "#2b2d33" : "#16171a"
                    Rectangle {
                        anchors.bottom: parent.bottom
                        x: 14
                        width: parent.width - x
                        height: 1
                        color: "#2a2b30"
                    }
                }
                contentItem: RowLayout {
                    Label {
                        text: row.word
                        color: "#f2f2f2"
                        Layout.fillWidth: true
                    }
                    Label {
                        visible: row.chosen
                        text: "\u2713"
                        color: "#ff8c1a"
                        font.pixelSize: 18
                    }
                }
                onClicked: page.settings.chooseSkipDistance(row.index)
            }
        }
    }
}
