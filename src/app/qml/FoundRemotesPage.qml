pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The computers discovery found, to take one's address and name into the
// configuration form; "VLC" marks those where VLC answers.
Page {
    id: page
    objectName: "foundRemotesPage"

    required property RemotesScreen remotes

    title: qsTrId("Found Computers")
    background: Rectangle {
        color: Theme.background
    }

    KeyList {
        id: list
        objectName: "foundList"
        anchors.fill: parent
        model: page.remotes.found
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Found Computers")

        delegate: FocusRow {
            id: row
            listView: list
            rowIndex: row.index
            required property int index
            required property string name
            required property string address
            required property string mark

            objectName: "found-" + row.address
            width: ListView.view.width
            height: Theme.tallRowHeight
            Accessible.role: Accessible.ListItem
            Accessible.name: row.mark === "" ? row.name : row.name + ", " + row.mark
            contentItem: RowLayout {
                spacing: Theme.spacing
                Label {
                    // A column of its own, so that the names line up.
                    text: row.mark
                    color: Theme.accent
                    font.bold: true
                    Layout.preferredWidth: 36
                }
                Label {
                    text: row.name
                    elide: Text.ElideRight
                    color: Theme.text
                    Layout.fillWidth: true
                }
            }
            onClicked: page.remotes.chooseFound(row.index)
        }
    }
}
