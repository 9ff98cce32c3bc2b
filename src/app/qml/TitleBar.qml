import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The bar over every screen: back, named for the screen it goes back to;
// the screen's title and its second line; and the buttons of the screen
// that shows (Pause all and Edit on the list, Cancel and Save on the
// configuration, full screen where something plays).
ToolBar {
    id: bar

    required property StackView pages
    required property RemotesScreen remotes
    // The configuration screen, when it shows: Cancel and Save stand in
    // for the back button.
    required property RemoteConfigPage configShown
    // The screen of what plays, where one shows (remote, browser, playlist).
    readonly property var playerScreen: fullScreen.target

    signal backWanted()
    // The remote screen's title offers the other computers.
    signal computerMenuWanted()

    background: Rectangle {
        color: Theme.bar
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.barEdge
        }
    }
    RowLayout {
        anchors.fill: parent
        BarButton {
            id: cancel
            objectName: "cancelButton"
            readonly property real shownWidth: visible ? width : 0
            visible: bar.configShown !== null
            text: qsTrId("Cancel")
            onClicked: bar.configShown.cancel()
        }
        // The remotes list's "Pause all", at the bar's left.
        BarButton {
            id: pauseAll
            objectName: "pauseAllButton"
            readonly property real shownWidth: visible ? width : 0
            visible: editButton.remotesPage !== null && !editButton.remotesPage.editing
            text: qsTrId("Pause all")
            Layout.preferredHeight: Theme.touchTarget
            onClicked: bar.remotes.pauseAll()
        }
        BarButton {
            id: back
            objectName: "backButton"
            visible: bar.pages.depth > 1 && bar.configShown === null
            readonly property real shownWidth: visible ? width : 0
            // Named for the page it goes back to; just "Back" where that
            // name would crowd out the page's title.
            readonly property string below: bar.pages.depth > 1 ? BackButton.titleOver(bar.pages.get(bar.pages.depth - 2)) : ""
            text: "\u2039 " + (2 * (backMetrics.width + 24) + titleMetrics.advanceWidth <= bar.width ? below : qsTrId("Back"))
            Accessible.name: qsTrId("Back")
            implicitWidth: Math.max(48, implicitContentWidth + leftPadding + rightPadding)
            Layout.preferredHeight: Theme.touchTarget
            Layout.minimumWidth: Theme.touchTarget
            onClicked: bar.backWanted()
            TextMetrics {
                id: backMetrics
                font: back.font
                text: "\u2039 " + back.below
            }
        }
        ColumnLayout {
            spacing: 0
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            readonly property real leftWidth: back.shownWidth + cancel.shownWidth + pauseAll.shownWidth
            readonly property real rightWidth: fullScreen.shownWidth + save.shownWidth + editButton.shownWidth
            // Centred on the bar, as far as that leaves the title its
            // whole width; past that it stands off the centre.
            readonly property real centring: Math.min(Math.abs(leftWidth - rightWidth),
                                                      Math.max(0, bar.width - leftWidth - rightWidth
                                                                  - titleMetrics.advanceWidth - 16))
            Layout.leftMargin: rightWidth > leftWidth ? centring : 0
            Layout.rightMargin: leftWidth > rightWidth ? centring : 0
            // On the remote screen, the title asks for a wanted password
            // again; a sideways swipe on it goes to the next computer
            // whose VLC answers (leftwards) or the previous one, and a
            // press and hold, or the right button, offers both.
            TapHandler {
                onTapped: (bar.pages.currentItem as RemotePage)?.screen.askAgain()
                onLongPressed: {
                    if (bar.pages.currentItem as RemotePage)
                        bar.computerMenuWanted()
                }
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                enabled: (bar.pages.currentItem as RemotePage) !== null
                onTapped: bar.computerMenuWanted()
            }
            DragHandler {
                id: titleSwipe
                objectName: "titleSwipe"
                property real swiped: 0
                target: null
                yAxis.enabled: false
                enabled: (bar.pages.currentItem as RemotePage) !== null
                onTranslationChanged: titleSwipe.swiped = titleSwipe.translation.x
                onActiveChanged: {
                    if (!titleSwipe.active && Math.abs(titleSwipe.swiped) >= Theme.touchTarget)
                        bar.remotes.switchRemote(titleSwipe.swiped < 0 ? 1 : -1)
                    titleSwipe.swiped = 0
                }
            }
            TextMetrics {
                id: titleMetrics
                font: barTitle.font
                text: barTitle.text
            }
            Label {
                id: barTitle
                objectName: "barTitle"
                // On the remote screen: the computer, switched by the menu.
                Accessible.role: (bar.pages.currentItem as RemotePage) ? Accessible.ButtonMenu : Accessible.StaticText
                Accessible.name: text
                Accessible.description: (bar.pages.currentItem as RemotePage)
                                        ? qsTrId("Swipe sideways, or press Ctrl+Tab, for the next computer") : ""
                Accessible.onPressAction: bar.computerMenuWanted()
                text: bar.pages.currentItem ? (bar.pages.currentItem as Page)?.title ?? "" : ""
                // A long title takes a smaller size before it loses its end.
                fontSizeMode: Text.HorizontalFit
                minimumPointSize: 7
                minimumPixelSize: 9
                elide: Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                font.bold: true
                color: Theme.barText
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
            // The remote screen's second line: the remote's name under
            // what plays, or why nothing does; the browser's folder; what
            // the playlist plays.
            Label {
                id: barNote
                objectName: "barNote"
                text: (bar.pages.currentItem as RemotePage)?.note ?? (bar.pages.currentItem as BrowserPage)?.note
                      ?? (bar.pages.currentItem as PlaylistPage)?.note ?? ""
                visible: text !== ""
                // A folder's own name is at its end.
                elide: (bar.pages.currentItem as BrowserPage) ? Label.ElideLeft : Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                font.pixelSize: 11
                color: Theme.secondaryText
                Layout.fillWidth: true
                Layout.bottomMargin: 4
            }
        }
        // VLC's video full screen, from the screens that show what plays.
        // Made only while one shows: its
        // icon's texture goes with it, as the pages' do at exit.
        Loader {
            id: fullScreen
            readonly property var target: (bar.pages.currentItem as RemotePage)?.screen
                                          ?? (bar.pages.currentItem as BrowserPage)?.screen
                                          ?? (bar.pages.currentItem as PlaylistPage)?.screen ?? null
            readonly property real shownWidth: active ? width : 0
            active: target !== null
            // Unloaded, it keeps the size it had: out of the row.
            visible: active
            sourceComponent: BarButton {
                objectName: "fullScreenButton"
                image: "fullscreen.png"
                name: qsTrId("Full screen")
            }
            Connections {
                target: fullScreen.item as BarButton
                function onClicked() {
                    fullScreen.target.fullScreen()
                }
            }
        }
        BarButton {
            id: save
            objectName: "saveButton"
            readonly property real shownWidth: visible ? width : 0
            visible: bar.configShown !== null
            text: qsTrId("Save")
            font.bold: true
            onClicked: bar.configShown.save()
        }
        // The remotes list's Edit, at the bar's right.
        BarButton {
            id: editButton
            objectName: "editButton"
            readonly property RemotesPage remotesPage: bar.pages.currentItem as RemotesPage
            readonly property real shownWidth: visible ? width : 0
            visible: editButton.remotesPage !== null
            text: editButton.remotesPage?.editing ? qsTrId("Done") : qsTrId("Edit")
            Layout.preferredHeight: Theme.touchTarget
            onClicked: {
                if (editButton.remotesPage)
                    editButton.remotesPage.editing = !editButton.remotesPage.editing
            }
        }
    }
}
