pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The settings: help pages, the preferences with a tick for each that is
// on, writing to the maker, and the device's address and the version.
Page {
    id: page
    objectName: "settingsPage"

    required property SettingsScreen settings

    title: qsTrId("Settings")
    background: Rectangle {
        color: Theme.background
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
            SectionBand {
                visible: entry.index === 0 || entry.ListView.section !== entry.ListView.previousSection
                text: entry.section
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                objectName: "setting-" + entry.index
                width: parent.width
                height: entry.caption ? Theme.bandHeight : Theme.rowHeight
                enabled: !entry.caption
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
                Accessible.checkable: !entry.more && !entry.caption
                Accessible.checked: entry.checked
                contentItem: RowLayout {
                    spacing: Theme.spacing
                    Label {
                        text: entry.text
                        elide: Text.ElideRight
                        color: entry.caption ? Theme.secondaryText : Theme.text
                        font.pixelSize: entry.caption ? Theme.detailFont : Theme.rowFont
                        Layout.fillWidth: true
                    }
                    RowMark {
                        visible: entry.checked || entry.more
                        tick: entry.checked
                    }
                }
                onClicked: page.settings.activate(entry.index, page.height >= page.width)
            }
        }
    }
}
