import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import PlayerLink

// The remote screen: the skin drawn for the window's shape, portrait while
// the screen is at least as tall as wide, showing and driving the remote
// the session has.
Page {
    id: page
    objectName: "remotePage"

    required property WindowKeys keys
    required property RemotesScreen remotes
    required property string skinDirectory
    readonly property SkinScene scene: skin
    readonly property RemoteScreen screen: screen
    // The title bar's second line.
    readonly property string note: screen.note
    // The least this page may be: its skin whole and legible in the shape
    // shown, with the bar below; none without a skin.
    readonly property size smallestSize: skin.smallestArea.width > 0
                                         ? Qt.size(skin.smallestArea.width, skin.smallestArea.height + remoteBar.height)
                                         : Qt.size(0, 0)

    title: screen.title
    // The back button over the screens it opens.
    readonly property string backTitle: qsTrId("Remote")
    background: Rectangle {
        color: Theme.skinBackground
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
        // Made as it is pushed; off the stack once removed (it goes a little later).
        inStack: true
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
    footer: Bar {
        id: remoteBar
        RowLayout {
            anchors.fill: parent
            spacing: 0
            BarButton {
                objectName: "openPlaylist"
                text: qsTrId("Playlist")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: screen.openPlaylist()
            }
            BarButton {
                objectName: "openBrowser"
                text: qsTrId("Browse")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
                onClicked: screen.openBrowser()
            }
            NewsButton {
                news: page.remotes.news
                Layout.fillWidth: true
                onClicked: page.remotes.openNews()
            }
            BarButton {
                objectName: "openMore"
                text: qsTrId("More...")
                Layout.fillWidth: true
                Layout.minimumWidth: Theme.touchTarget
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

    StackView.onRemoved: screen.inStack = false
    StackView.onActivated: page.keys.remote = skin
    StackView.onDeactivated: {
        if (page.keys.remote === skin)
            page.keys.remote = null
    }
}
