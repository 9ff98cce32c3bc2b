import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// A bar's "News" button, with a badge while there is news the
// user has not seen.
BarButton {
    id: button

    required property NewsScreen news

    objectName: "newsButton"
    text: qsTrId("News")
    Accessible.description: button.news.unread ? "!" : ""
    Layout.preferredHeight: Theme.touchTarget
    Layout.minimumWidth: Theme.barButtonWidth

    Rectangle {
        objectName: "newsBadge"
        visible: button.news.unread
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 4
        width: 18
        height: 18
        radius: 9
        color: Theme.badge
        border.color: Theme.barText
        border.width: 1.5
        Label {
            anchors.centerIn: parent
            text: "!"
            color: Theme.barText
            font.bold: true
            font.pixelSize: 12
        }
    }
}
