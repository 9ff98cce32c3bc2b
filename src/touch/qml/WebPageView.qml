import QtQuick
import QtQuick.Controls
import PlayerLink.Touch

// A page of a TouchWebPage, drawn as on the web: dark text on white. Links
// go back to the page, which decides where they lead.
Rectangle {
    id: view

    required property TouchWebPage page

    color: "white"

    Flickable {
        id: flick
        objectName: "webPageFlick"
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: text.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Connections {
            target: view.page
            function onShown() {
                flick.contentY = 0
            }
        }

        Text {
            id: text
            objectName: "webPageText"
            width: flick.width
            padding: 10
            textFormat: Text.RichText
            wrapMode: Text.Wrap
            color: "black"
            linkColor: "#0645ad"
            text: view.page.text
            Accessible.role: Accessible.StaticText
            Accessible.name: view.page.title
            onLinkActivated: link => view.page.follow(link)

            // Over a link, the pointer shows it can be followed.
            HoverHandler {
                cursorShape: text.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }
}
