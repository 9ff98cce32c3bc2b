import QtQuick
import QtQuick.Controls
import PlayerLink

// A page of a WebPageScreen, drawn as on the web: dark text on white. Links
// go back to the page, which decides where they lead.
Rectangle {
    id: view

    required property WebPageScreen page

    color: Theme.paper

    Flickable {
        id: flick
        objectName: "webPageFlick"
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: text.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        // The reader starts at the page's anchor, or at its top; the text is
        // laid out by then.
        function place() {
            const at = WebTextDocument.anchorPosition(text.textDocument, view.page.anchor())
            const bottom = Math.max(0, flick.contentHeight - flick.height)
            flick.contentY = at < 0 ? 0 : Math.min(text.positionToRectangle(at).y, bottom)
        }

        // Pictures wider than the page are shrunk to it as they arrive.
        Binding {
            target: view.page
            property: "pictureWidth"
            value: text.width - 2 * text.textMargin
        }

        Timer {
            id: placeLater
            interval: 0
            onTriggered: flick.place()
        }

        Connections {
            target: view.page
            function onShown() {
                placeLater.restart()
            }
            function onJumped() {
                flick.place()
            }
        }

        // A read-only TextEdit rather than a Text: its document finds the
        // anchors, and Qt 6.4's Text draws a link's underline astray.
        TextEdit {
            id: text
            objectName: "webPageText"
            width: flick.width
            // A margin of the document, not padding, which linkAt() and
            // link taps would not allow for.
            textMargin: 10
            readOnly: true
            selectByMouse: false
            activeFocusOnPress: false
            textFormat: TextEdit.RichText
            wrapMode: TextEdit.Wrap
            color: Theme.paperText
            text: view.page.text
            Accessible.role: Accessible.StaticText
            Accessible.name: view.page.title
            onLinkActivated: link => view.page.follow(link)

            // The borders the page's style gives its table cells, which the
            // text item does not draw: measured once the text is laid out.
            property var cellBorders: []
            onTextChanged: measureBorders.restart()
            onContentSizeChanged: measureBorders.restart()

            Timer {
                id: measureBorders
                interval: 0
                onTriggered: text.cellBorders = WebTextDocument.cellBorders(text.textDocument)
            }

            Repeater {
                model: text.cellBorders
                Rectangle {
                    required property var modelData
                    x: modelData.x
                    y: modelData.y
                    width: modelData.width
                    height: modelData.height
                    color: modelData.color
                    Accessible.ignored: true
                }
            }

            // Over a link, the pointer shows it can be followed.
            HoverHandler {
                cursorShape: text.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }
}
