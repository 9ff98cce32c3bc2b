import QtQuick
import QtQuick.Controls
import PlayerLink

// The web page viewer: help pages, the about page, the newsletter and news
// items, titled by the page.
Page {
    id: page
    objectName: "webPage"

    required property RemotesScreen remotes
    readonly property WebPageScreen web: remotes.help.page

    title: web.title
    background: Rectangle {
        color: Theme.paper
    }

    WebPageView {
        objectName: "helpView"
        anchors.fill: parent
        page: page.web
    }

    BusyIndicator {
        anchors.centerIn: parent
        running: page.web.loading
        visible: running
    }
}
