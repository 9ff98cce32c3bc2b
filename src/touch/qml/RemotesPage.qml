pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The first screen: the saved computers, then those found on the network,
// each with the state icon of what it last answered. The list probes its
// computers and refreshes discovery while it shows; a row opens its remote.
// A computer being woken says so in place of its icon. In edit mode a saved
// row opens its configuration, and has buttons to delete it and to move it
// up or down, and, under it, one to wake it when it gives no answer and can
// be woken.
Page {
    id: page
    objectName: "remotesPage"

    required property TouchRemotes remotes
    property bool editing: false
    // The user wants to add a computer.
    signal addRequested

    title: qsTrId("Computers")
    background: Rectangle {
        color: "#101114"
    }

    footer: Button {
        id: addRow
        objectName: "addComputer"
        height: 56
        text: qsTrId("Add computer")
        palette.buttonText: "#f2f2f2"
        Accessible.name: qsTrId("Add computer")
        background: Rectangle {
            color: addRow.down ? "#2b2d33" : "#16171a"
        }
        onClicked: page.addRequested()
    }

    header: ToolBar {
        background: Rectangle {
            color: "#16171a"
        }
        RowLayout {
            anchors.fill: parent
            BarTextButton {
                id: scanButton
                objectName: "scanButton"
                text: qsTrId("Scan")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 64
                onClicked: page.remotes.scan()
            }
            Item {
                Layout.fillWidth: true
            }
            NewsButton {
                news: page.remotes.news
                onClicked: page.remotes.openNews()
            }
            Item {
                Layout.fillWidth: true
            }
            BarTextButton {
                objectName: "settingsButton"
                text: qsTrId("Settings")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 64
                onClicked: page.remotes.openSettings()
            }
            Item {
                Layout.fillWidth: true
            }
            BarTextButton {
                id: editButton
                objectName: "editButton"
                text: page.editing ? qsTrId("Done") : qsTrId("Edit")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 64
                onClicked: page.editing = !page.editing
            }
        }
    }

    Binding {
        target: page.remotes
        property: "probing"
        value: page.StackView.status === StackView.Active
    }

    Shortcut {
        sequences: ["F5", "Ctrl+R"]
        enabled: page.StackView.status === StackView.Active
        onActivated: page.remotes.scan()
    }

    ListView {
        id: list
        objectName: "remotesList"
        anchors.fill: parent
        clip: true
        model: page.remotes.list
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Computers")

        section.property: "section"


        delegate: Column {
            id: entry
            required property int index
            required property string name
            required property string address
            required property string answerKey
            required property string answerText
            required property bool isDefault
            required property bool saved
            required property string section
            required property bool waking
            required property bool wakeOffered

            width: ListView.view.width

            // The first row of each section carries its heading.
            Rectangle {
                // Qt 6.4 gives a Label its own role: the band is the heading.
                Accessible.role: Accessible.Heading
                Accessible.name: entry.section
                visible: entry.ListView.section !== entry.ListView.previousSection
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
                readonly property int index: entry.index
                readonly property string name: entry.name
                readonly property string address: entry.address
                readonly property string answerKey: entry.answerKey
                readonly property string answerText: entry.answerText
                readonly property bool isDefault: entry.isDefault
                readonly property bool editable: page.editing && entry.saved
                readonly property bool waking: entry.waking

                objectName: "remote-" + row.address
                width: parent.width
                height: Math.max(56, implicitHeight)
                // Room for 48-pixel buttons in edit mode.
                topPadding: 4
                bottomPadding: 4
                Accessible.role: Accessible.ListItem
                Accessible.name: row.name
                Accessible.description: row.answerText
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
                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true
                        Layout.minimumHeight: 48
                        Label {
                            text: row.name
                            elide: Text.ElideRight
                            color: "#f2f2f2"
                            font.bold: row.isDefault
                            Layout.fillWidth: true
                        }
                        Label {
                            text: row.address
                            visible: row.address !== row.name
                            elide: Text.ElideRight
                            color: "#9a9da6"
                            font.pixelSize: 12
                            Layout.fillWidth: true
                        }
                    }
                    Button {
                        objectName: "delete-" + row.address
                        visible: row.editable
                        text: qsTrId("Delete")
                        Accessible.name: qsTrId("Delete")
                        palette.button: "#c0392b"
                        palette.buttonText: "white"
                        Layout.minimumHeight: 48
                        Layout.minimumWidth: 64
                        onClicked: page.remotes.removeSaved(row.index)
                    }
                    ToolButton {
                        objectName: "up-" + row.address
                        visible: row.editable
                        enabled: row.index > 0
                        text: "\u25b2"
                        palette.buttonText: "white"
                        Accessible.name: qsTrId("Move up")
                        Layout.minimumWidth: 48
                        Layout.minimumHeight: 48
                        onClicked: page.remotes.moveSaved(row.index, row.index - 1)
                    }
                    ToolButton {
                        objectName: "down-" + row.address
                        visible: row.editable
                        enabled: row.index < page.remotes.savedCount - 1
                        text: "\u25bc"
                        palette.buttonText: "white"
                        Accessible.name: qsTrId("Move down")
                        Layout.minimumWidth: 48
                        Layout.minimumHeight: 48
                        onClicked: page.remotes.moveSaved(row.index, row.index + 1)
                    }
                    Label {
                        objectName: row.waking ? "state-waking" : ""
                        visible: !page.editing && row.waking
                        text: qsTrId("Waking…")
                        color: "#8a8f98"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    RemoteStateIcon {
                        visible: !page.editing && !row.waking
                        objectName: "state-" + row.answerKey
                        answerKey: row.answerKey
                        Layout.preferredWidth: 30
                        Layout.preferredHeight: 30
                        Accessible.role: Accessible.Graphic
                        Accessible.name: row.answerText
                    }
                }
                onClicked: {
                    if (!page.editing)
                        page.remotes.open(row.index)
                    else if (entry.saved)
                        page.remotes.edit(row.index)
                }
            }

            // On a line of its own under the row, so that a narrow screen cuts nothing.
            Rectangle {
                visible: page.editing && entry.saved && entry.wakeOffered
                width: parent.width
                height: 56
                color: "#16171a"
                Button {
                    objectName: "wake-" + entry.address
                    anchors.right: parent.right
                    anchors.rightMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    height: 48
                    width: Math.max(64, implicitWidth)
                    text: qsTrId("Wake computer")
                    Accessible.name: qsTrId("Wake computer")
                    palette.button: "#2b2d33"
                    palette.buttonText: "white"
                    onClicked: page.remotes.wake(entry.index)
                }
            }
        }
    }
}
