pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The settings: help pages, the preferences with a tick for each that is
// on, writing to the maker, and the device's address and the version.
Page {
    id: page
    objectName: "settingsPage"

    required property TouchSettings settings

    title: qsTrId("Settings")
    background: Rectangle {
        color: "#101114"
    }

    // A skin or skip distance chosen on a screen above shows at once.
    StackView.onActivated: page.settings.refresh()

    KeyList {
        id: list
        objectName: "settingsList"
        anchors.fill: parent
        model: page.settings.rows
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Settings")
        section.property: "section"

        delegate: Column {
            id: entry
            required property int index
            required property string text
            required property string section
            required property bool checked
            required property bool more
            required property bool caption

            width: ListView.view.width

            // The first row of each section carries its heading.
            Rectangle {
                // Qt 6.4 gives a Label its own role: the band is the heading.
                Accessible.role: Accessible.Heading
                Accessible.name: entry.section
                visible: entry.index === 0 || entry.ListView.section !== entry.ListView.previousSection
                width: parent.width
                height: 32
                color: "#1d1e22"
                Label {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    verticalAlignment: Text.AlignVCenter
                    text: entry.section
                    color: "#9a9da6"
                    font.bold: true
                    Accessible.ignored: true
                }
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                objectName: "setting-" + entry.index
                width: parent.width
                height: entry.caption ? 32 : 50
                enabled: !entry.caption
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
                Accessible.checkable: !entry.more && !entry.caption
                Accessible.checked: entry.checked
                background: Rectangle {
                    color: row.down ? "#2b2d33" : "#16171a"
                    Rectangle {
                        anchors.bottom: parent.bottom
                        x: 14
                        width: parent.width - x
                        height: 1
                        color: "#2a2b30"
                    }
                }
                contentItem: RowLayout {
                    spacing: 8
                    Label {
                        text: entry.text
                        elide: Text.ElideRight
                        color: entry.caption ? "#9a9da6" : "#f2f2f2"
                        font.pixelSize: entry.caption ? 12 : 15
                        Layout.fillWidth: true
                    }
                    Label {
                        visible: entry.checked || entry.more
                        text: entry.checked ? "\u2713" : "\u203a"
                        color: entry.checked ? "#ff8c1a" : "#9a9da6"
                        font.pixelSize: 18
                    }
                }
                onClicked: page.settings.activate(entry.index, page.height >= page.width)
            }
        }
    }
}
