import QtQuick
import PlayerLink.Touch

// A skin's image, centred at its own size (in points, scaled with the skin).
Item {
    id: frame

    required property SkinControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height

    Image {


        // Not in the engine-wide cache (none of a skin's images are): they
        // go with the skin's controls.
        cache: false
        x: (frame.width - width) / 2
        y: (frame.height - height) / 2
        width: frame.control.imageSize.width
        height: frame.control.imageSize.height
        source: frame.control.image
        smooth: true
        mipmap: true
    }
}
