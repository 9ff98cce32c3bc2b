pragma ComponentBehavior: Bound
import QtQuick
import PlayerLink

// A skin's plain view: its controls and nested views, lowest first.
Item {
    id: view

    required property SkinControl control

    x: control ? control.rect.x : 0
    y: control ? control.rect.y : 0
    width: control ? control.rect.width : 0
    height: control ? control.rect.height : 0
    visible: control !== null && control.shown

    Repeater {
        model: view.control ? view.control.children : []
        delegate: SkinPart {}
    }
}
