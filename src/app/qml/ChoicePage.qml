pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// One of the player's lists (tracks, aspect ratios, titles and chapters)
// in sections, the one in force ticked; a tap chooses a row. The player is
// asked for its state as the page appears.
Page {
    id: page

    required property AdvancedScreens advanced
    required property ChoiceRows rows
    required property string pageTitle
    // The titles and chapters: VLC is asked again every second while shown.
    property bool chapters: false
    // Said when the list is empty, and when it ticks nothing.
    property string emptyNote: ""
    property string unmarkedNote: ""

    title: page.pageTitle
    background: Rectangle {
        color: Theme.background
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
        padding: Theme.margin
        wrapMode: Text.WordWrap
        text: page.unmarkedNote
        color: Theme.secondaryText
        font.pixelSize: Theme.detailFont
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
        color: Theme.secondaryText
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

            SectionBand {
                visible: entry.index === 0 || entry.ListView.section !== entry.ListView.previousSection
                text: entry.section
            }

            FocusRow {
                id: row
                listView: list
                rowIndex: entry.index
                objectName: "choice-" + entry.name
                width: parent.width
                height: entry.details !== "" ? Theme.detailRowHeight : Theme.rowHeight
                Accessible.role: Accessible.ListItem
                Accessible.name: entry.name
                Accessible.checkable: true
                Accessible.checked: entry.marked
                contentItem: RowLayout {
                    spacing: Theme.spacing
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        Label {
                            text: entry.name
                            elide: Text.ElideRight
                            color: Theme.text
                            font.pixelSize: Theme.rowFont
                            Layout.fillWidth: true
                        }
                        Label {
                            visible: entry.details !== ""
                            text: entry.details
                            elide: Text.ElideRight
                            color: Theme.secondaryText
                            font.pixelSize: Theme.smallFont
                            Layout.fillWidth: true
                        }
                    }
                    RowMark {
                        visible: entry.marked
                    }
                }
                onClicked: page.rows.select(entry.index)
            }
        }
    }
}
