pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The first screen: the saved computers and "Add
// computer", the computers found on the network under what discovery is
// doing, the ways in to setup and to not seeing a computer, then skins,
// settings and help (RemotesListModel). Each computer has the state icon of
// what it last answered. The list probes its computers and refreshes
// discovery while it shows; a row opens its remote or its screen. A
// computer being woken says so in place of its icon. In edit mode (the
// window bar's Edit) a saved row opens its configuration, and has buttons to
// delete it and to move it up or down, and, under it, one to wake it when it
// gives no answer and can be woken; the other rows stay and do as before.
// A computer whose VLC answers shows what it plays, with a button that
// pauses it or plays again; the window's bar pauses every one that plays.
Page {
    id: page
    objectName: "remotesPage"

    required property RemotesScreen remotes
    property bool editing: false

    title: qsTrId("Computers")
    background: Rectangle {
        color: Theme.background
    }

    // Playerlink's toolbar, in its order.
    footer: Bar {
        RowLayout {
            anchors.fill: parent
            spacing: 0
            BarButton {
                objectName: "scanButton"
                text: qsTrId("Scan")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.remotes.scan()
            }
            BarButton {
                objectName: "setupButton"
                text: qsTrId("Setup")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.remotes.openSetup()
            }
            NewsButton {
                news: page.remotes.news
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.remotes.openNews()
            }
            BarButton {
                objectName: "helpButton"
                text: qsTrId("Help")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.remotes.openHelp()
            }
            BarButton {
                objectName: "settingsButton"
                text: qsTrId("Settings")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
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
            required property bool playerShown
            required property string nowPlaying
            required property bool playing
            readonly property bool computer: entry.kind === "computer"

            width: ListView.view.width

            // The first row of each section carries its heading.
            SectionBand {
                objectName: "heading-" + entry.section
                visible: entry.ListView.section !== entry.ListView.previousSection
                text: entry.section
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                readonly property bool editable: page.editing && entry.saved

                objectName: entry.computer ? "remote-" + entry.address : entry.kind
                width: parent.width
                height: Math.max(Theme.tallRowHeight, implicitHeight)
                // Room for 48-pixel buttons in edit mode.
                topPadding: 4
                bottomPadding: 4
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.text
                Accessible.description: entry.answerText
                contentItem: RowLayout {
                    spacing: Theme.spacing
                    // The other rows' texts stand where the computers' names do.
                    ComputerIcon {
                        opacity: entry.computer || entry.kind === "addComputer" ? 1 : 0
                        adding: entry.kind === "addComputer"
                        Layout.preferredWidth: Theme.rowIconSize
                        Layout.preferredHeight: Theme.rowIconSize
                        Accessible.ignored: true
                    }
                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true
                        Layout.minimumHeight: Theme.touchTarget
                        Label {
                            text: entry.text
                            elide: Text.ElideRight
                            color: Theme.text
                            font.bold: entry.isDefault
                            Layout.fillWidth: true
                        }
                        Label {
                            text: entry.address
                            visible: entry.computer && entry.address !== entry.text
                            elide: Text.ElideRight
                            color: Theme.secondaryText
                            font.pixelSize: Theme.detailFont
                            Layout.fillWidth: true
                        }
                        // The player's own title, never read as markup.
                        Label {
                            objectName: "nowPlaying-" + entry.address
                            text: entry.nowPlaying
                            textFormat: Text.PlainText
                            visible: entry.computer && entry.playerShown && entry.nowPlaying !== ""
                            elide: Text.ElideRight
                            maximumLineCount: 1
                            color: entry.playing ? Theme.accentLight : Theme.secondaryText
                            font.pixelSize: Theme.detailFont
                            Layout.fillWidth: true
                        }
                    }
                    BarButton {
                        objectName: "playPause-" + entry.address
                        visible: entry.computer && entry.playerShown && !page.editing
                        // The play mark, or the pause mark's two bars.
                        text: entry.playing ? "" : "\u25B6"
                        name: entry.playing ? qsTrId("Pause") : qsTrId("Play")
                        implicitWidth: Theme.touchTarget
                        Layout.minimumWidth: Theme.touchTarget
                        Layout.minimumHeight: Theme.touchTarget
                        onClicked: page.remotes.playPause(entry.remoteRow)
                        Row {
                            visible: entry.playing
                            anchors.centerIn: parent
                            spacing: 4
                            Repeater {
                                model: 2
                                Rectangle {
                                    width: 4
                                    height: 14
                                    color: Theme.barText
                                }
                            }
                        }
                    }
                    PlainButton {
                        objectName: "delete-" + entry.address
                        visible: row.editable
                        text: qsTrId("Delete")
                        kind: "destructive"
                        Layout.minimumHeight: Theme.touchTarget
                        Layout.minimumWidth: Theme.barButtonWidth
                        onClicked: page.remotes.removeSaved(entry.remoteRow)
                    }
                    BarButton {
                        objectName: "up-" + entry.address
                        // One computer has nowhere to move.
                        visible: row.editable && page.remotes.savedCount > 1
                        enabled: entry.remoteRow > 0
                        text: "\u25b2"
                        Accessible.name: qsTrId("Move up")
                        implicitWidth: Theme.touchTarget
                        Layout.minimumWidth: Theme.touchTarget
                        Layout.minimumHeight: Theme.touchTarget
                        onClicked: page.remotes.moveSaved(entry.remoteRow, entry.remoteRow - 1)
                    }
                    BarButton {
                        objectName: "down-" + entry.address
                        visible: row.editable && page.remotes.savedCount > 1
                        enabled: entry.remoteRow < page.remotes.savedCount - 1
                        text: "\u25bc"
                        Accessible.name: qsTrId("Move down")
                        implicitWidth: Theme.touchTarget
                        Layout.minimumWidth: Theme.touchTarget
                        Layout.minimumHeight: Theme.touchTarget
                        onClicked: page.remotes.moveSaved(entry.remoteRow, entry.remoteRow + 1)
                    }
                    Label {
                        objectName: entry.waking ? "state-waking" : ""
                        visible: entry.computer && !page.editing && entry.waking
                        text: qsTrId("Waking…")
                        color: Theme.secondaryText
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
                height: Theme.tallRowHeight
                color: Theme.surface
                PlainButton {
                    objectName: "wake-" + entry.address
                    anchors.right: parent.right
                    anchors.rightMargin: Theme.margin
                    anchors.verticalCenter: parent.verticalCenter
                    height: Theme.touchTarget
                    width: implicitWidth
                    text: qsTrId("Wake computer")
                    Accessible.name: qsTrId("Wake computer")
                    onClicked: page.remotes.wake(entry.remoteRow)
                }
            }
        }
    }
}
