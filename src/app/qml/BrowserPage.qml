pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The browse screen: a folder of the computer that runs VLC, the way up
// first. A folder row opens it; a file row, or a row's button, plays the
// file or adds it to the playlist, as the mode button says. While something
// plays, a subtitle file's row gives its subtitles to it instead.
Page {
    id: page
    objectName: "browserPage"

    required property RemotesScreen remotes
    readonly property BrowserScreen screen: screen

    title: qsTrId("Browse")
    // The title bar's second line.
    readonly property string note: screen.folder
    background: Rectangle {
        color: Theme.background
    }

    WindowActivity {
        id: activity
        window: page.Window.window
    }

    BrowserScreen {
        id: screen
        remotes: page.remotes
        // On top, and the window in use.
        active: page.StackView.status === StackView.Active && activity.active
    }

    // The rows' text, for their height: taller for large text.
    FontMetrics {
        id: rowText
        font.bold: true
        font.pointSize: screen.textSize
    }

    ListView {
        id: list
        objectName: "folderList"
        anchors.fill: parent
        clip: true
        focus: true
        model: screen.rows
        currentIndex: -1
        keyNavigationEnabled: true
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Browse")
        // Beside the letter index rather than under it.
        ScrollBar.vertical: ScrollBar {
            parent: letterIndex.parent
            x: letterIndex.x - width
            y: list.y
            height: list.height
        }

        // Each new listing shows from its top.
        Connections {
            target: screen
            function onFolderChanged() {
                list.currentIndex = -1
                list.positionViewAtBeginning()
            }
        }

        // A letter of the index, or what was typed, chooses its row.
        Connections {
            target: screen
            function onRowChosen(row) {
                list.currentIndex = row
                list.positionViewAtIndex(row, ListView.Beginning)
            }
        }

        Keys.onPressed: event => {
            if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && list.currentIndex >= 0) {
                screen.open(list.currentIndex)
                event.accepted = true
            } else if (screen.keyPressed(event.key, event.modifiers, event.text)) {
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
            required property string fileType
            required property bool playable
            required property bool subtitlesOffered

            objectName: "entry-" + row.name
            // Clear of the letter index.
            width: ListView.view.width - letterIndex.width
            height: Math.max(52, rowText.height + 16)
            highlighted: ListView.isCurrentItem
            Accessible.role: Accessible.ListItem
            Accessible.name: row.name
            background: RowBackground {
                pressed: row.down
                highlighted: row.highlighted
                highlightColor: Theme.pressed
                // Clear of the icon column.
                inset: 48
            }
            contentItem: RowLayout {
                spacing: 10
                Image {
                    source: "qrc:/images/" + (row.fileType === "directory" ? "folder.png"
                                              : row.fileType === "music" ? "music.png"
                                              : row.fileType === "video" ? "movie.png"
                                              : row.fileType === "playlist" ? "playlist.png" : "unknown.png")
                    sourceSize.width: 50
                    sourceSize.height: 50
                    Layout.preferredWidth: Theme.rowIconSize
                    Layout.preferredHeight: Theme.rowIconSize
                    Accessible.ignored: true
                }
                Label {
                    text: row.name
                    elide: Text.ElideRight
                    font.bold: true
                    font.pointSize: screen.textSize
                    color: Theme.text
                    Layout.fillWidth: true
                }
                PlainButton {
                    objectName: "subtitles-" + row.name
                    visible: row.subtitlesOffered
                    text: qsTrId("Use as subtitles")
                    font.pixelSize: Theme.detailFont
                    implicitWidth: implicitContentWidth + leftPadding + rightPadding
                    Layout.maximumWidth: row.width / 2
                    Layout.preferredHeight: Theme.touchTarget - Theme.spacing
                    onClicked: screen.useAsSubtitles(row.index)
                }
                BarButton {
                    objectName: "play-" + row.name
                    visible: row.playable && !row.subtitlesOffered
                    image: screen.adds ? "Add.png" : "Play.png"
                    name: screen.adds ? qsTrId("Add") : qsTrId("Play")
                    onClicked: screen.play(row.index)
                }
            }
            onClicked: {
                list.currentIndex = row.index
                // The keys are the list's again, wherever they were.
                list.forceActiveFocus(Qt.MouseFocusReason)
                screen.open(row.index)
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

    // The letter index, always there as in playerlink: a press, or a drag
    // along it, chooses the first name of the letter under the finger. Its
    // letters close up on a short screen.
    Item {
        id: letterIndex
        objectName: "letterIndex"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 22
        Accessible.role: Accessible.ScrollBar
        Accessible.name: qsTrId("Index")

        readonly property real step: Math.min(14, (height - 12) / Math.max(1, letters.count))

        function chooseAt(y: real) {
            const titles = screen.indexTitles
            const top = (height - step * titles.length) / 2
            const at = Math.max(0, Math.min(titles.length - 1, Math.floor((y - top) / step)))
            screen.jumpToIndexTitle(titles[at])
        }

        Column {
            anchors.centerIn: parent
            Repeater {
                id: letters
                model: screen.indexTitles
                delegate: Label {
                    required property string modelData
                    text: modelData
                    color: Theme.secondaryText
                    font.bold: true
                    font.pixelSize: Math.min(11, letterIndex.step)
                    width: letterIndex.width
                    height: letterIndex.step
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    Accessible.ignored: true
                }
            }
        }
        DragHandler {
            target: null
            yAxis.enabled: true
            xAxis.enabled: false
            onCentroidChanged: {
                if (active)
                    letterIndex.chooseAt(centroid.position.y)
            }
        }
        TapHandler {
            onPressedChanged: {
                if (pressed)
                    letterIndex.chooseAt(point.position.y)
            }
        }
    }

    Toast {
        objectName: "folderNotice"
        visible: screen.folderRefused
        text: qsTrId("Can't open this folder")
    }

    Toast {
        objectName: "addedNotice"
        visible: screen.addedNotice !== ""
        text: screen.addedNotice
        width: Math.min(implicitWidth, page.width - 24)
        elide: Text.ElideMiddle
    }

    // A tap on the bar's buttons leaves the keys with the list (letters,
    // Backspace, Alt+Up); Tab still reaches them.
    footer: Bar {
        RowLayout {
            anchors.fill: parent
            BarButton {
                objectName: "home"
                focusPolicy: Qt.TabFocus
                image: "home.png"
                name: qsTrId("Home folder")
                onClicked: screen.home()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "up"
                focusPolicy: Qt.TabFocus
                image: "up.png"
                name: qsTrId("Up one folder")
                onClicked: screen.up()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "drives"
                focusPolicy: Qt.TabFocus
                image: "drives.png"
                name: qsTrId("Drives")
                onClicked: screen.openDrives()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "defaultFolder"
                focusPolicy: Qt.TabFocus
                image: "defaultFolder.png"
                name: qsTrId("Make this the default folder")
                onClicked: screen.makeDefaultFolder()
            }
            Item { Layout.fillWidth: true }
            // Shows the mode a tap switches to.
            BarButton {
                objectName: screen.adds ? "modePlay" : "modeAdd"
                focusPolicy: Qt.TabFocus
                image: screen.adds ? "Mode-Play.png" : "Mode-Add.png"
                name: screen.adds ? qsTrId("Play files at once") : qsTrId("Add files to the playlist")
                onClicked: screen.adds = !screen.adds
            }
        }
    }
}
