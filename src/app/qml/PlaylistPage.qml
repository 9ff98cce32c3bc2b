pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Dialogs
import PlayerLink

// The playlist screen: VLC's playlist, searched by the field above it. The
// item that plays wears the play mark; the row chosen by the keys is
// highlighted apart from it. A tap plays a row from its start; a row's
// button removes its item. The bar sorts the playlist (where VLC can),
// opens an address, and plays files of this computer, which are listed
// under the playlist while they are served.
Page {
    id: page
    objectName: "playlistPage"

    required property RemotesScreen remotes
    readonly property PlaylistScreen screen: screen

    title: qsTrId("Playlist")
    // The title bar's second line.
    readonly property string note: screen.nowPlaying
    background: Rectangle {
        color: Theme.background
    }

    WindowActivity {
        id: activity
        window: page.Window.window
    }

    PlaylistScreen {
        id: screen
        remotes: page.remotes
        // On top, and the window in use.
        active: page.StackView.status === StackView.Active && activity.active
    }

    // The item that plays, in view as the screen appears, and again when
    // the first playlist comes unless the user moved the list meanwhile.
    StackView.onActivated: {
        if (screen.currentRow >= 0)
            list.positionViewAtIndex(screen.currentRow, ListView.Center)
        screen.showCurrentOnNextList()
    }
    Connections {
        target: screen
        function onCurrentToShow(row) {
            if (row >= 0)
                list.positionViewAtIndex(row, ListView.Center)
        }
    }

    // Ctrl+F goes to the search field wherever the focus is.
    Shortcut {
        sequence: "Ctrl+F"
        enabled: page.StackView.status === StackView.Active
        onActivated: {
            search.forceActiveFocus(Qt.ShortcutFocusReason)
            search.selectAll()
        }
    }

    header: Bar {
        TextField {
            id: search
            objectName: "searchField"
            anchors.fill: parent
            anchors.margins: 4
            placeholderText: qsTrId("Search the playlist")
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTrId("Search the playlist")
            inputMethodHints: Qt.ImhNoPredictiveText
            onTextChanged: {
                screen.searchText = text
                list.currentIndex = -1
                // What was found shows from its start; the whole list again
                // around the item that plays.
                if (text.trim() === "" && screen.currentRow >= 0)
                    list.positionViewAtIndex(screen.currentRow, ListView.Center)
                else
                    list.positionViewAtBeginning()
            }
            Keys.onPressed: event => {
                if (event.key === Qt.Key_Escape) {
                    if (search.text !== "")
                        search.clear()
                    else
                        list.forceActiveFocus()
                    event.accepted = true
                } else if (event.key === Qt.Key_Down || event.key === Qt.Key_Up) {
                    list.forceActiveFocus()
                    list.currentIndex = Math.max(0, list.currentIndex + (event.key === Qt.Key_Down ? 1 : -1))
                    event.accepted = true
                } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    if (list.count > 0)
                        screen.play(Math.max(0, list.currentIndex))
                    event.accepted = true
                }
            }
        }
    }

    // The rows' text, for their height: taller for large text.
    FontMetrics {
        id: rowText
        font.bold: true
        font.pointSize: screen.textSize
    }

    ListView {
        id: list
        objectName: "playlistList"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: servedFiles.visible ? servedFiles.top : parent.bottom
        clip: true
        focus: true
        model: screen.rows
        currentIndex: -1
        keyNavigationEnabled: true
        reuseItems: true
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Playlist")
        ScrollBar.vertical: ScrollBar {}

        // As the remote screen's list says it.
        Label {
            objectName: "playlistEmpty"
            anchors.centerIn: parent
            visible: list.count === 0 && screen.searchText === ""
            text: qsTrId("(Playlist Empty)")
            color: Theme.secondaryText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        onMovementStarted: screen.listMoved()

        Keys.onPressed: event => {
            if (screen.textSizeKey(event.key, event.modifiers)) {
                event.accepted = true
                return
            }
            if (event.key === Qt.Key_Up || event.key === Qt.Key_Down || event.key === Qt.Key_PageUp
                    || event.key === Qt.Key_PageDown || event.key === Qt.Key_Home || event.key === Qt.Key_End)
                screen.listMoved()
            if (event.key === Qt.Key_Delete && list.currentIndex >= 0 && screen.canRemoveItems) {
                screen.remove(list.currentIndex)
                event.accepted = true
            } else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && list.currentIndex >= 0) {
                screen.play(list.currentIndex)
                event.accepted = true
            }
        }

        // The text grows and shrinks with Ctrl and the wheel, and with a
        // pinch (over the list, so that the rows do not keep the fingers).
        WheelHandler {
            target: null
            acceptedModifiers: Qt.ControlModifier
            onWheel: event => screen.textSizeWheel(event.angleDelta.y, event.modifiers)
        }

        delegate: ItemDelegate {
            id: row
            required property int index
            required property string name
            required property bool current

            objectName: "item-" + row.name
            width: ListView.view.width
            height: Math.max(52, rowText.height + 16)
            highlighted: ListView.isCurrentItem
            Accessible.role: Accessible.ListItem
            Accessible.name: row.name
            Accessible.selected: row.current
            background: RowBackground {
                pressed: row.down
                highlighted: row.highlighted
            }
            contentItem: RowLayout {
                spacing: 6
                Label {
                    objectName: "playMark"
                    visible: row.current
                    font.pointSize: screen.textSize
                    text: "\u25B6"
                    color: Theme.accentLight
                    Accessible.ignored: true
                }
                Label {
                    text: row.name
                    // A name that fits its row fits it playing too, a little
                    // smaller beside the mark; a longer one gives way at its
                    // head: its end tells items apart.
                    elide: Text.ElideLeft
                    font.bold: true
                    font.pointSize: row.current ? TextFit.sizeToFit(row.name, Qt.font({ bold: true, pointSize: screen.textSize }),
                                                                    width, Math.ceil(TextFit.lineWidth("\u25B6", Qt.font({ pointSize: screen.textSize })))
                                                                           + (parent as RowLayout).spacing)
                                                : screen.textSize
                    color: row.current ? Theme.accentLight : Theme.text
                    Layout.fillWidth: true
                }
                BarButton {
                    objectName: "remove-" + row.name
                    visible: screen.canRemoveItems
                    image: "Delete.png"
                    name: qsTrId("Remove")
                    onClicked: screen.remove(row.index)
                }
            }
            onClicked: {
                list.currentIndex = row.index
                screen.play(row.index)
            }
        }
    }

    Item {
        anchors.fill: list
        PinchHandler {
            target: null
            onActiveChanged: {
                if (active)
                    screen.beginTextPinch()
                else
                    screen.endTextPinch()
            }
            onActiveScaleChanged: {
                if (active)
                    screen.textPinchScaled(activeScale)
            }
        }
    }

    Sheet {
        id: emptySheet
        objectName: "emptySheet"
        title: qsTrId("Empty entire playlist?")
        // An action sheet: the destructive Ok first, then Cancel.
        stacked: true
        actions: [{ text: qsTrId("Ok"), name: "emptyOk", kind: "destructive" },
                  { text: qsTrId("Cancel"), name: "emptyCancel" }]
        onActed: index => {
            if (index === 0)
                emptySheet.accept()
            else
                emptySheet.reject()
        }
        onAccepted: screen.empty()
    }

    Sheet {
        id: sortSheet
        objectName: "sortSheet"
        title: qsTrId("Sort the playlist")
        stacked: true
        focus: true
        // In the order of PlaylistModel's sort keys, then Cancel.
        actions: [{ text: qsTrId("By title"), name: "sort-0" },
                  { text: qsTrId("By artist"), name: "sort-1" },
                  { text: qsTrId("By album"), name: "sort-2" },
                  { text: qsTrId("By duration"), name: "sort-3" },
                  { text: qsTrId("In random order"), name: "sort-4" },
                  { text: qsTrId("Cancel"), name: "sortCancel" }]
        onActed: index => {
            if (index < 5)
                screen.sortBy(index, reverse.checked)
            sortSheet.close()
        }
        onOpened: reverse.forceActiveFocus()

        Switch {
            id: reverse
            objectName: "sortReverse"
            text: qsTrId("Reverse order")
            palette.windowText: Theme.text
            // The style's groove: orange when on.
            palette.dark: Theme.accent
            palette.midlight: Theme.raised
            Accessible.name: qsTrId("Reverse order")
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            FocusRing {
                shown: reverse.visualFocus
            }
        }
    }

    OpenAddressSheet {
        id: openAddress
        form: page.remotes.openAddress
    }

    ServedFiles {
        id: servedFiles
        cast: page.remotes.cast
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }

    FileDialog {
        id: fileChoice
        title: qsTrId("Files to play on VLC")
        fileMode: FileDialog.OpenFiles
        onAccepted: castFiles.ask(fileChoice.selectedFiles)
    }

    CastSheet {
        id: castFiles
        objectName: "castFilesSheet"
        cast: page.remotes.cast
    }

    footer: Bar {
        RowLayout {
            id: barRow
            anchors.fill: parent
            // Seven buttons on the narrowest window, a little narrower there.
            readonly property real buttonWidth: Math.min(Theme.touchTarget, barRow.width / 7)
            spacing: 0
            BarButton {
                objectName: "empty"
                Layout.preferredWidth: barRow.buttonWidth
                image: "Empty.png"
                name: qsTrId("Empty the playlist")
                onClicked: emptySheet.open()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "openAddress"
                Layout.preferredWidth: barRow.buttonWidth
                image: "Add.png"
                name: qsTrId("Open address...")
                onClicked: openAddress.ask("")
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "openFiles"
                Layout.preferredWidth: barRow.buttonWidth
                image: "folder.png"
                name: qsTrId("Play files of this computer...")
                onClicked: fileChoice.open()
            }
            Item {
                visible: screen.canSort
                Layout.fillWidth: true
            }
            BarButton {
                objectName: "sort"
                Layout.preferredWidth: barRow.buttonWidth
                visible: screen.canSort
                // Up and down arrows, drawn by the font.
                text: "\u21C5"
                name: qsTrId("Sort")
                font.pixelSize: Theme.iconSize
                onClicked: sortSheet.open()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "loop"
                Layout.preferredWidth: barRow.buttonWidth
                image: screen.loop ? "Loop_Yes.png" : "Loop.png"
                name: qsTrId("Loop")
                Accessible.checkable: true
                Accessible.checked: screen.loop
                onClicked: screen.toggleLoop()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "repeat"
                Layout.preferredWidth: barRow.buttonWidth
                image: screen.repeat ? "Repeat_Yes.png" : "Repeat.png"
                name: qsTrId("Repeat")
                Accessible.checkable: true
                Accessible.checked: screen.repeat
                onClicked: screen.toggleRepeat()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "random"
                Layout.preferredWidth: barRow.buttonWidth
                image: screen.random ? "Random_Yes.png" : "Random.png"
                name: qsTrId("Shuffle")
                Accessible.checkable: true
                Accessible.checked: screen.random
                onClicked: screen.toggleRandom()
            }
        }
    }
}
