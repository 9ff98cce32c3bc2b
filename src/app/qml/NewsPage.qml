pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The news: the items of each feed, the title bold until the item is
// opened and its date below; a feed still loading, or that failed, shows one
// row saying so. A row opens its item's page. Without a news site it says
// that no feeds are configured. The bar's button loads everything afresh.
Page {
    id: page
    objectName: "newsPage"

    required property RemotesScreen remotes
    readonly property NewsScreen news: remotes.news

    title: qsTrId("Brindlewood News")
    background: Rectangle {
        color: Theme.newsBackground
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
                    GradientStop { position: 0; color: row.down && !row.placeholder ? Theme.newsRowTopPressed : Theme.newsRowTop }
                    GradientStop { position: 0.75; color: row.down && !row.placeholder ? Theme.newsRowBottomPressed : Theme.newsRowBottom }
                    GradientStop { position: 1; color: row.down && !row.placeholder ? Theme.newsRowBottomPressed : Theme.newsRowBottom }
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: Theme.newsSeparator
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
                        color: Theme.barText
                        font.pixelSize: 18
                        font.bold: !row.read
                        Layout.fillWidth: true
                    }
                    Label {
                        visible: !row.placeholder && row.date !== ""
                        text: row.date
                        elide: Text.ElideRight
                        color: Theme.newsDate
                        font.pixelSize: 13
                        Layout.fillWidth: true
                    }
                }
                Label {
                    visible: !row.placeholder
                    text: "\u203a"
                    color: Theme.mutedText
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
        color: Theme.secondaryText
        font.pixelSize: 17
    }

    footer: Bar {
        RowLayout {
            anchors.fill: parent
            Item {
                Layout.fillWidth: true
            }
            BarButton {
                id: reload
                objectName: "newsReload"
                text: "\u21bb"
                font.pixelSize: 22
                enabled: !page.news.loading
                Accessible.name: qsTrId("Reload the news")
                ToolTip.visible: reload.hovered
                ToolTip.text: qsTrId("Reload the news")
                ToolTip.delay: 600
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.barButtonWidth
                onClicked: page.news.reloadAll()
            }
        }
    }
}
