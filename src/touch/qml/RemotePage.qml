import QtQuick
import QtQuick.Controls
import QtQuick.Window
import PlayerLink.Touch

// The remote screen: the skin drawn for the window's shape, portrait while
// the screen is at least as tall as wide.
Page {
    id: page
    objectName: "remotePage"

    required property WindowKeys keys
    required property string skinDirectory
    readonly property SkinScene scene: skin

    title: qsTrId("Connecting...")
    background: Rectangle {
        color: "black"
    }

    SkinScene {
        id: skin
        directory: page.skinDirectory
        areaSize: Qt.size(stage.width, stage.height)
        devicePixelRatio: Screen.devicePixelRatio
    }

    SkinStage {
        id: stage
        anchors.fill: parent
        scene: skin
    }

    StackView.onActivated: page.keys.remote = skin
    StackView.onDeactivated: {
        if (page.keys.remote === skin)
            page.keys.remote = null
    }
}
