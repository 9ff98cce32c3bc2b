pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The news: the items of each feed, the title bold until the item is
// opened and its date below; a feed still loading, or that failed, shows one
// row saying so. A row opens its item's page. Without a news site it says
// that no feeds are configured. The bar's button loads everything afresh.
Page {
    id: page
    objectName: "newsPage"

    required property TouchRemotes remotes
    readonly property TouchNews news: remotes.news

    title: qsTrId("Brindlewood News")
    background: Rectangle {
        color: "#242424"
    }

    // While the news shows, what arrives has been seen.
    StackView.onActivated: page.news.setShown(true)
    StackView.onDeactivated: page.news.setShown(false)

    KeyList {
        id: list
        objectName: "newsList"
        anchors.fill: parent
        visible: page.news.configured
        model: page.news.list
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Brindlewood News")

        delegate: FocusRow {
            id: row
            listView: list
            rowIndex: row.index
            required property int index
            required property string title
            required property string date
            required property bool read
            required property bool placeholder

            objectName: "news-" + row.index
            width: ListView.view.width
            height: row.placeholder ? 48 : Math.max(48, row.implicitContentHeight + 20)
            Accessible.role: Accessible.ListItem
            Accessible.name: row.title
            background: Rectangle {
                gradient: Gradient {
                    GradientStop { position: 0; color: row.down && !row.placeholder ? "#5e697a" : "#454f61" }
                    GradientStop { position: 0.75; color: row.down && !row.placeholder ? "#3d4759" : "#242e40" }
                    GradientStop { position: 1; color: row.down && !row.placeholder ? "#3d4759" : "#242e40" }
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: "#141414"
                }
            }
            contentItem: RowLayout {
                spacing: 6
                ColumnLayout {
                    spacing: 2
                    Layout.fillWidth: true
                    Label {
                        text: row.title
                        wrapMode: Text.Wrap
                        maximumLineCount: 8
                        elide: Text.ElideRight
                        color: "white"
                        font.pixelSize: 18
                        font.bold: !row.read
                        Layout.fillWidth: true
                    }
                    Label {
                        visible: !row.placeholder && row.date !== ""
                        text: row.date
                        elide: Text.ElideRight
                        color: "#aaaaaa"
                        font.pixelSize: 13
                        Layout.fillWidth: true
                    }
                }
                Label {
                    visible: !row.placeholder
                    text: "\u203a"
                    color: "#c8ccd4"
                    font.pixelSize: 22
                }
            }
            onClicked: {
                if (!row.placeholder)
                    page.news.open(row.index)
            }
        }
    }

    Label {
        objectName: "newsEmpty"
        visible: !page.news.configured
        x: 24
        width: parent.width - 48
        height: parent.height * 4 / 5
        text: qsTrId("No news feeds are configured")
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "#9a9da6"
        font.pixelSize: 17
    }

    footer: ToolBar {
        background: Rectangle {
            color: "#1d1e22"
        }
        RowLayout {
            anchors.fill: parent
            Item {
                Layout.fillWidth: true
            }
            BarTextButton {
                id: reload
                objectName: "newsReload"
                text: "\u21bb"
                font.pixelSize: 22
                enabled: !page.news.loading
                Accessible.name: qsTrId("Reload the news")
                ToolTip.visible: reload.hovered
                ToolTip.text: qsTrId("Reload the news")
                ToolTip.delay: 600
                Layout.preferredHeight: 48
                Layout.minimumWidth: 64
                onClicked: page.news.reloadAll()
            }
        }
    }
}
