import QtQuick
import QtQuick.Controls
import PlayerLink

// A skin's button: the image of its state, centred; it takes a finger in at
// least a 48-pixel square around it.
AbstractButton {
    id: button

    required property SkinButtonControl control

    x: control.rect.x + control.touchArea.x
    y: control.rect.y + control.touchArea.y
    width: control.touchArea.width
    height: control.touchArea.height
    visible: control.shown
    enabled: control.enabled
    focusPolicy: Qt.TabFocus
    padding: 0

    Accessible.role: Accessible.Button
    Accessible.name: control.accessibleName

    onPressedChanged: control.pressed = pressed
    onClicked: control.activate()

    background: null
    contentItem: Item {
        Image {
            cache: false
            // As a skin's image: decoded at the size it is drawn at.
            x: Math.round((button.width - width) / 2)
            y: Math.round((button.height - height) / 2)
            width: Math.round(button.control.imageSize.width)
            height: Math.round(button.control.imageSize.height)
            sourceSize: button.control.imageSourceSize
            source: button.control.image
            opacity: button.control.opacity
            smooth: true
            mipmap: true
        }
        Text {
            // The skip distance, where the skin's image leaves it room.
            visible: button.control.showsSkipDistance
            x: (button.width - button.control.rect.width) / 2 + button.control.distanceCentre.x - width / 2
            y: (button.height - button.control.rect.height) / 2 + button.control.distanceCentre.y - height / 2
            width: button.control.distanceWidth > 0 ? button.control.distanceWidth : implicitWidth
            text: button.control.text
            color: button.control.enabled ? button.control.distanceColor : button.control.distanceDisabledColor
            font.pixelSize: Math.max(1, button.control.distancePixelSize)
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 4
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            Accessible.ignored: true
        }
        Item {
            // Round the button as drawn, not its larger touch area.
            x: (button.width - button.control.rect.width) / 2 - 3
            y: (button.height - button.control.rect.height) / 2 - 3
            width: button.control.rect.width + 6
            height: button.control.rect.height + 6
            FocusRing {
                shown: button.visualFocus
                radius: 8
            }
        }
    }
}
