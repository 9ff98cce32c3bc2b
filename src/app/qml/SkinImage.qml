import QtQuick
import PlayerLink

// A skin's image, centred at its own size (in points, scaled with the skin).
Item {
    id: frame

    required property SkinImageControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height

    Image {
        // Not in the engine-wide cache (none of a skin's images are): they
        // go with the skin's controls.
        cache: false
        // On whole pixels, at the size it was decoded at once the skin's
        // size has settled: copied, not scaled, wherever a frame redraws it.
        x: Math.round((frame.width - width) / 2)
        y: Math.round((frame.height - height) / 2)
        width: Math.round(frame.control.imageSize.width)
        height: Math.round(frame.control.imageSize.height)
        sourceSize: frame.control.imageSourceSize
        source: frame.control.image
        smooth: true
        mipmap: true
    }
}
