pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The advanced-controls menu: the screens of a player that reports its
// state in full, with the key commands behind "Keys"; or the key commands
// themselves, one tap each.
Page {
    id: page
    objectName: page.screens ? "menuLuaPage" : "menuPlainPage"

    required property TouchAdvanced advanced
    // The screens' menu, rather than the key commands'.
    required property bool screens
    // The key commands, opened from the screens' menu.
    property bool keys: false

    title: page.keys ? qsTrId("Keys") : qsTrId("Advanced Controls")
    readonly property string backTitle: qsTrId("Controls")
    background: Rectangle {
        color: "#101114"
    }

    header: ToolBar {
        visible: page.screens
        height: page.screens ? 48 : 0
        background: Rectangle {
            color: "#1d1e22"
        }
        RowLayout {
            anchors.fill: parent
            Item {
                Layout.fillWidth: true
            }
            BarTextButton {
                objectName: "keyCommands"
                text: qsTrId("Keys")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 64
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
            Rectangle {
                // Qt 6.4 gives a Label its own role: the band is the heading.
                Accessible.role: Accessible.Heading
                Accessible.name: entry.section
                visible: entry.section !== ""
                         && (entry.index === 0 || entry.ListView.section !== entry.ListView.previousSection)
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
                objectName: "menu-" + entry.text
                width: parent.width
                height: 50
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
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
                        color: "#f2f2f2"
                        font.pixelSize: 15
                        Layout.fillWidth: true
                    }
                    Label {
                        visible: entry.more
                        text: "\u203a"
                        color: "#9a9da6"
                        font.pixelSize: 18
                    }
                }
                onClicked: page.advanced.activate(page.screens, entry.index)
            }
        }
    }
}
