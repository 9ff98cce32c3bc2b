import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import PlayerLink.Touch

// The remote screen: the skin drawn for the window's shape, portrait while
// the screen is at least as tall as wide, showing and driving the remote
// the session has.
Page {
    id: page
    objectName: "remotePage"

    required property WindowKeys keys
    required property TouchRemotes remotes
    required property string skinDirectory
    readonly property SkinScene scene: skin
    readonly property RemoteScreen screen: screen
    // The title bar's second line.
    readonly property string note: screen.note

    title: screen.title
    // The back button over the screens it opens.
    readonly property string backTitle: qsTrId("Remote")
    background: Rectangle {
        color: "black"
    }

    SkinScene {
        id: skin
        directory: page.skinDirectory
        areaSize: Qt.size(stage.width, stage.height)
        devicePixelRatio: Screen.devicePixelRatio
    }

    WindowActivity {
        id: activity
        window: page.Window.window
    }

    RemoteScreen {
        id: screen
        objectName: "remoteScreen"
        remotes: page.remotes
        scene: skin
        // On top, and the window in use.
        active: page.StackView.status === StackView.Active && activity.active
        // Asking VLC already as the screen slides in: its state is there as
        // the screen arrives.
        polling: (page.StackView.status === StackView.Active || page.StackView.status === StackView.Activating)
                 && activity.active
        onPasswordWanted: passwordPrompt.open()
        onNoticeWanted: (title, message) => notice.show(title, message)
    }

    SkinStage {
        id: stage
        anchors.fill: parent
        scene: skin
    }

    // The remote screen's bar: the screens over it.
    footer: ToolBar {
        background: Rectangle {
            color: "#1d1e22"
        }
        RowLayout {
            anchors.fill: parent
            ToolButton {
                id: openPlaylistButton
                objectName: "openPlaylist"
                background: Rectangle {
                    color: openPlaylistButton.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
                }
                text: qsTrId("Playlist")
                palette.buttonText: "white"
                Accessible.name: text
                Layout.fillWidth: true
                Layout.preferredHeight: 48
                onClicked: screen.openPlaylist()
            }
            ToolButton {
                id: openBrowserButton
                objectName: "openBrowser"
                background: Rectangle {
                    color: openBrowserButton.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
                }
                text: qsTrId("Browse")
                palette.buttonText: "white"
                Accessible.name: text
                Layout.fillWidth: true
                Layout.preferredHeight: 48
                onClicked: screen.openBrowser()
            }
            NewsButton {
                news: page.remotes.news
                Layout.fillWidth: true
                onClicked: page.remotes.openNews()
            }
            ToolButton {
                id: openMoreButton
                objectName: "openMore"
                background: Rectangle {
                    color: openMoreButton.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
                }
                text: qsTrId("More...")
                palette.buttonText: "white"
                Accessible.name: text
                Layout.fillWidth: true
                Layout.preferredHeight: 48
                onClicked: moreSheet.open()
            }
        }
    }

    PasswordPrompt {
        id: passwordPrompt
        screen: screen
    }

    Notice {
        id: notice
    }

    MoreSheet {
        id: moreSheet
        advanced: page.remotes.advanced
    }

    StackView.onActivated: page.keys.remote = skin
    StackView.onDeactivated: {
        if (page.keys.remote === skin)
            page.keys.remote = null
    }
}
