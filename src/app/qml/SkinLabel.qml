import QtQuick
import PlayerLink

// A skin's label: one line that shrinks to fit its width, never below a
// legible size, cut with "…" past that.
Text {
    id: label

    required property SkinLabelControl control

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown
    opacity: control.opacity
    text: control.text
    color: control.textColor
    font.pixelSize: control.fontPixelSize
    minimumPixelSize: control.minimumFontPixelSize
    fontSizeMode: Text.HorizontalFit
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    maximumLineCount: 1
    textFormat: Text.PlainText

    // A reader says what it shows, then what it is ("Time Elapsed").
    Accessible.role: Accessible.StaticText
    Accessible.name: control.text
    Accessible.description: control.accessibleName
}
