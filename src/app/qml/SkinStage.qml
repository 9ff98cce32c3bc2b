import QtQuick
import PlayerLink

// A skin's orientations: each built the first time it shows, then kept, so
// that turning back shows the same controls in the same state.
Item {
    id: stage

    required property SkinScene scene
    property bool portraitShown: false
    property bool landscapeShown: false

    function noteShown() {
        if (scene.orientation === "Portrait")
            portraitShown = true
        else
            landscapeShown = true
    }

    Connections {
        target: stage.scene
        function onOrientationChanged() {
            stage.noteShown()
        }
    }

    Component.onCompleted: noteShown()

    Item {
        anchors.fill: parent
        visible: stage.scene.orientation === "Portrait"
        SkinView {
            objectName: "portraitSkin"
            control: stage.portraitShown ? stage.scene.portrait : null
        }
    }

    Item {
        anchors.fill: parent
        visible: stage.scene.orientation === "Landscape"
        SkinView {
            objectName: "landscapeSkin"
            control: stage.landscapeShown ? stage.scene.landscape : null
        }
    }
}
