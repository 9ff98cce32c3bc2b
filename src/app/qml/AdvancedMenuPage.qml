pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The advanced-controls menu: the screens of a player that reports its
// state in full, with the key commands behind "Keys"; or the key commands
// themselves, one tap each.
Page {
    id: page
    objectName: page.screens ? "menuLuaPage" : "menuPlainPage"

    required property AdvancedScreens advanced
    // The screens' menu, rather than the key commands'.
    required property bool screens
    // The key commands, opened from the screens' menu.
    property bool keys: false

    title: page.keys ? qsTrId("Keys") : qsTrId("Advanced Controls")
    readonly property string backTitle: qsTrId("Controls")
    background: Rectangle {
        color: Theme.background
    }

    header: Bar {
        visible: page.screens
        height: page.screens ? Theme.barHeight : 0
        RowLayout {
            anchors.fill: parent
            Item {
                Layout.fillWidth: true
            }
            BarButton {
                objectName: "keyCommands"
                text: qsTrId("Keys")
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.barButtonWidth
                onClicked: page.advanced.showKeyCommands()
            }
        }
    }

    KeyList {
        id: list
        objectName: page.screens ? "menuLuaList" : "menuPlainList"
        anchors.fill: parent
        model: page.screens ? page.advanced.screens : page.advanced.keyCommands
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Advanced Controls")
        section.property: "section"

        delegate: Column {
            id: entry
            required property int index
            required property string text
            required property string section
            required property bool more

            width: ListView.view.width

            // The first row of each section carries its heading (none when empty).
            SectionBand {
                visible: entry.section !== ""
                         && (entry.index === 0 || entry.ListView.section !== entry.ListView.previousSection)
                text: entry.section
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                objectName: "menu-" + entry.text
                width: parent.width
                height: Theme.rowHeight
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
                contentItem: RowLayout {
                    spacing: Theme.spacing
                    Label {
                        text: entry.text
                        elide: Text.ElideRight
                        color: Theme.text
                        font.pixelSize: Theme.rowFont
                        Layout.fillWidth: true
                    }
                    RowMark {
                        visible: entry.more
                        tick: false
                    }
                }
                onClicked: page.advanced.activate(page.screens, entry.index)
            }
        }
    }
}
