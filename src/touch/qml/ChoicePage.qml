pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// One of the player's lists (tracks, aspect ratios, titles and chapters)
// in sections, the one in force ticked; a tap chooses a row. The player is
// asked for its state as the page appears.
Page {
    id: page

    required property TouchAdvanced advanced
    required property ChoiceRows rows
    required property string pageTitle
    // The titles and chapters: VLC is asked again every second while shown.
    property bool chapters: false
    // Said when the list is empty, and when it ticks nothing.
    property string emptyNote: ""
    property string unmarkedNote: ""

    title: page.pageTitle
    background: Rectangle {
        color: "#101114"
    }

    StackView.onActivated: page.advanced.refreshStatus()

    WindowActivity {
        id: activity
        window: page.Window.window
    }

    Binding {
        target: page.advanced
        property: "chaptersActive"
        value: page.StackView.status === StackView.Active && activity.active
        when: page.chapters
    }

    Label {
        id: unmarked
        objectName: "unmarkedNote"
        visible: page.unmarkedNote !== "" && list.count > 0 && !page.rows.anyMarked
        width: parent.width
        height: visible ? implicitHeight : 0
        padding: 12
        wrapMode: Text.WordWrap
        text: page.unmarkedNote
        color: "#9a9da6"
        font.pixelSize: 12
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Label {
        objectName: "emptyNote"
        visible: page.emptyNote !== "" && list.count === 0
        anchors.centerIn: parent
        width: parent.width - 32
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: page.emptyNote
        color: "#9a9da6"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    KeyList {
        id: list
        objectName: "choiceList"
        anchors.top: unmarked.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        model: page.rows
        Accessible.role: Accessible.List
        Accessible.name: page.pageTitle
        section.property: "section"

        delegate: Column {
            id: entry
            required property int index
            required property string name
            required property string details
            required property bool marked
            required property string section

            width: ListView.view.width

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
                objectName: "choice-" + entry.name
                width: parent.width
                height: entry.details !== "" ? 62 : 50
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.name
                Accessible.checkable: true
                Accessible.checked: entry.marked
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
                        spacing: 2
                        Layout.fillWidth: true
                        Label {
                            text: entry.name
                            elide: Text.ElideRight
                            color: "#f2f2f2"
                            font.pixelSize: 15
                            Layout.fillWidth: true
                        }
                        Label {
                            visible: entry.details !== ""
                            text: entry.details
                            elide: Text.ElideRight
                            color: "#9a9da6"
                            font.pixelSize: 11
                            Layout.fillWidth: true
                        }
                    }
                    Label {
                        visible: entry.marked
                        text: "\u2713"
                        color: "#ff8c1a"
                        font.pixelSize: 18
                    }
                }
                onClicked: page.rows.select(entry.index)
            }
        }
    }
}
