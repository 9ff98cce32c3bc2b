import QtQuick
import QtQuick.Controls
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
    // The title bar's second line.
    readonly property string note: screen.note

    title: screen.title
    background: Rectangle {
        color: "black"
    }

    SkinScene {
        id: skin
        directory: page.skinDirectory
        areaSize: Qt.size(stage.width, stage.height)
        devicePixelRatio: Screen.devicePixelRatio
    }

    RemoteScreen {
        id: screen
        objectName: "remoteScreen"
        remotes: page.remotes
        scene: skin
        active: page.StackView.status === StackView.Active
        onPasswordWanted: passwordPrompt.open()
        onNoticeWanted: (title, message) => notice.show(title, message)
    }

    SkinStage {
        id: stage
        anchors.fill: parent
        scene: skin
    }

    PasswordPrompt {
        id: passwordPrompt
        screen: screen
    }

    Notice {
        id: notice
    }

    StackView.onActivated: page.keys.remote = skin
    StackView.onDeactivated: {
        if (page.keys.remote === skin)
            page.keys.remote = null
    }
}
