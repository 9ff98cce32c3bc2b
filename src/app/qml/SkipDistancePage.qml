pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// How far the remote screen's skip buttons jump: the chosen distance has a
// tick.
Page {
    id: page
    objectName: "skipDistancePage"

    required property SettingsScreen settings

    title: qsTrId("Skip Distance")
    background: Rectangle {
        color: Theme.background
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

            SectionBand {
                visible: row.index === 0
                text: qsTrId("Skip Distance...")
            }

            FocusRow {
                id: choice
                listView: list
                rowIndex: row.index
                objectName: "skip-" + row.distance
                width: parent.width
                height: Theme.rowHeight
                Accessible.role: Accessible.ListItem
                Accessible.name: row.word
                Accessible.checkable: true
                Accessible.checked: row.chosen
                contentItem: RowLayout {
                    Label {
                        text: row.word
                        color: Theme.text
                        Layout.fillWidth: true
                    }
                    RowMark {
                        visible: row.chosen
                    }
                }
                onClicked: page.settings.chooseSkipDistance(row.index)
            }
        }
    }
}
