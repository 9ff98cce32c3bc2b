import QtQuick
import PlayerLink

// The playing item's art in the skin's frame; the placeholder while there
// is none.
Item {
    id: art

    required property SkinArtControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown

    Accessible.role: Accessible.Graphic
    Accessible.name: control.accessibleName

    Image {
        cache: false
        anchors.fill: parent
        source: art.control.frameImage
        smooth: true
    }
    Image {
        cache: false
        anchors.fill: picture
        visible: !picture.hasPicture
        source: art.control.placeholderImage
        fillMode: Image.PreserveAspectFit
        smooth: true
    }
    SkinArtPicture {
        id: picture
        anchors.fill: parent
        anchors.margins: art.control.inset
        scene: art.control.scene
    }
}
