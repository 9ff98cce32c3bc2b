pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The first screen, as playerlink's: the saved computers and "Add
// computer", the computers found on the network under what discovery is
// doing, the ways in to setup and to not seeing a computer, then skins,
// settings and help (RemotesListModel). Each computer has the state icon of
// what it last answered. The list probes its computers and refreshes
// discovery while it shows; a row opens its remote or its screen. A
// computer being woken says so in place of its icon. In edit mode (the
// window bar's Edit) a saved row opens its configuration, and has buttons to
// delete it and to move it up or down, and, under it, one to wake it when it
// gives no answer and can be woken; the other rows stay and do as before.
Page {
    id: page
    objectName: "remotesPage"

    required property TouchRemotes remotes
    property bool editing: false

    title: qsTrId("Computers")
    background: Rectangle {
        color: "#101114"
    }

    // Playerlink's toolbar, in its order.
    footer: ToolBar {
        background: Rectangle {
            color: "#16171a"
        }
        RowLayout {
            anchors.fill: parent
            spacing: 0
            BarTextButton {
                objectName: "scanButton"
                text: qsTrId("Scan")
                Layout.fillWidth: true
                Layout.minimumWidth: 48
                onClicked: page.remotes.scan()
            }
            BarTextButton {
                objectName: "setupButton"
                text: qsTrId("Setup")
                Layout.fillWidth: true
                Layout.minimumWidth: 48
                onClicked: page.remotes.openSetup()
            }
            NewsButton {
                news: page.remotes.news
                Layout.fillWidth: true
                Layout.minimumWidth: 48
                onClicked: page.remotes.openNews()
            }
            BarTextButton {
                objectName: "helpButton"
                text: qsTrId("Help")
                Layout.fillWidth: true
                Layout.minimumWidth: 48
                onClicked: page.remotes.openHelp()
            }
            BarTextButton {
                objectName: "settingsButton"
                text: qsTrId("Settings")
                Layout.fillWidth: true
                Layout.minimumWidth: 48
                onClicked: page.remotes.openSettings()
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

    KeyList {
        id: list
        objectName: "remotesList"
        anchors.fill: parent
        model: page.remotes.list
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Computers")

        section.property: "section"

        delegate: Column {
            id: entry
            required property int index
            required property string kind
            required property string text
            required property int remoteRow
            required property string address
            required property string answerKey
            required property string answerText
            required property bool isDefault
            required property bool saved
            required property string section
            required property bool waking
            required property bool wakeOffered
            readonly property bool computer: entry.kind === "computer"

            width: ListView.view.width

            // The first row of each section carries its heading.
            Rectangle {
                // Qt 6.4 gives a Label its own role: the band is the heading.
                objectName: "heading-" + entry.section
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
                    elide: Text.ElideRight
                    color: "#9a9da6"
                    font.bold: true
                    Accessible.ignored: true
                }
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                readonly property bool editable: page.editing && entry.saved

                objectName: entry.computer ? "remote-" + entry.address : entry.kind
                width: parent.width
                height: Math.max(56, implicitHeight)
                // Room for 48-pixel buttons in edit mode.
                topPadding: 4
                bottomPadding: 4
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
                Accessible.description: entry.answerText
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
                    // The other rows' texts stand where the computers' names do, as playerlink's.
                    ComputerIcon {
                        opacity: entry.computer || entry.kind === "addComputer" ? 1 : 0
                        adding: entry.kind === "addComputer"
                        Layout.preferredWidth: 25
                        Layout.preferredHeight: 25
                        Accessible.ignored: true
                    }
                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true
                        Layout.minimumHeight: 48
                        Label {
                            text: entry.text
                            elide: Text.ElideRight
                            color: "#f2f2f2"
                            font.bold: entry.isDefault
                            Layout.fillWidth: true
                        }
                        Label {
                            text: entry.address
                            visible: entry.computer && entry.address !== entry.text
                            elide: Text.ElideRight
                            color: "#9a9da6"
                            font.pixelSize: 12
                            Layout.fillWidth: true
                        }
                    }
                    PlainButton {
                        objectName: "delete-" + entry.address
                        visible: row.editable
                        text: qsTrId("Delete")
                        palette.button: "#c0392b"
                        palette.buttonText: "white"
                        Layout.minimumHeight: 48
                        Layout.minimumWidth: 64
                        onClicked: page.remotes.removeSaved(entry.remoteRow)
                    }
                    BarTextButton {
                        objectName: "up-" + entry.address
                        // One computer has nowhere to move.
                        visible: row.editable && page.remotes.savedCount > 1
                        enabled: entry.remoteRow > 0
                        text: "\u25b2"
                        Accessible.name: qsTrId("Move up")
                        implicitWidth: 48
                        Layout.minimumWidth: 48
                        Layout.minimumHeight: 48
                        onClicked: page.remotes.moveSaved(entry.remoteRow, entry.remoteRow - 1)
                    }
                    BarTextButton {
                        objectName: "down-" + entry.address
                        visible: row.editable && page.remotes.savedCount > 1
                        enabled: entry.remoteRow < page.remotes.savedCount - 1
                        text: "\u25bc"
                        Accessible.name: qsTrId("Move down")
                        implicitWidth: 48
                        Layout.minimumWidth: 48
                        Layout.minimumHeight: 48
                        onClicked: page.remotes.moveSaved(entry.remoteRow, entry.remoteRow + 1)
                    }
                    Label {
                        objectName: entry.waking ? "state-waking" : ""
                        visible: entry.computer && !page.editing && entry.waking
                        text: qsTrId("Waking…")
                        color: "#8a8f98"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    RemoteStateIcon {
                        visible: entry.computer && !page.editing && !entry.waking
                        objectName: "state-" + entry.answerKey
                        answerKey: entry.answerKey
                        Layout.preferredWidth: 30
                        Layout.preferredHeight: 30
                        Accessible.role: Accessible.Graphic
                        Accessible.name: entry.answerText
                    }
                }
                onClicked: page.remotes.chooseRow(entry.index, page.editing)
                // Delete in edit mode, as the row's Delete button.
                onRemoveWanted: {
                    if (row.editable)
                        page.remotes.removeSaved(entry.remoteRow)
                }
            }

            // On a line of its own under the row, so that a narrow screen cuts nothing.
            Rectangle {
                visible: page.editing && entry.saved && entry.wakeOffered
                width: parent.width
                height: 56
                color: "#16171a"
                PlainButton {
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
                    onClicked: page.remotes.wake(entry.remoteRow)
                }
            }
        }
    }
}
