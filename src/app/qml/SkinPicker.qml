pragma ComponentBehavior: Bound
import QtQuick
import PlayerLink

// A skin's time and volume wheels: minutes, seconds and volume side by
// side, following the player while no finger is on them; turning one seeks
// or sets the volume when it comes to rest.
Item {
    id: picker

    required property SkinControl control
    readonly property SkinWheels wheels: control.scene.wheels
    readonly property real unit: control.scale

    x: control.rect.x
    y: control.rect.y
    width: control.rect.width
    height: control.rect.height
    visible: control.shown
    enabled: control.enabled
    opacity: control.opacity

    Accessible.role: Accessible.Grouping
    Accessible.name: control.accessibleName

    Rectangle {
        // The wheels' dark case.
        anchors.fill: parent
        radius: 8 * picker.unit
        color: Theme.pickerWell
        border.color: Theme.outline
        border.width: Math.max(1, picker.unit)
    }

    Row {
        id: wheelRow
        anchors.centerIn: parent
        height: parent.height - 12 * picker.unit
        spacing: 3 * picker.unit
        Repeater {
            model: [SkinWheels.Minutes, SkinWheels.Seconds, SkinWheels.Volume]
            delegate: Rectangle {
                id: column
                required property int modelData
                // The wheel as assistive technology knows it: a spin box with
                // the number it shows and its range.
                readonly property int value: wheel.value
                readonly property int minimumValue: wheel.minimumValue
                readonly property int maximumValue: wheel.maximumValue
                Accessible.role: Accessible.SpinBox
                Accessible.name: picker.wheels.nameOf(column.modelData)
                Accessible.description: picker.wheels.text(column.modelData, wheel.currentIndex)
                width: wheel.width
                height: wheelRow.height
                radius: 3 * picker.unit
                // Lit in the middle, shaded towards the edges, as a wheel is.
                gradient: Gradient {
                    GradientStop { position: 0.0; color: Theme.pickerRimEdge }
                    GradientStop { position: 0.25; color: Theme.pickerRimMid }
                    GradientStop { position: 0.5; color: Theme.pickerRimShine }
                    GradientStop { position: 0.75; color: Theme.pickerRimMid }
                    GradientStop { position: 1.0; color: Theme.pickerRimEdge }
                }
                SkinWheel {
                    id: wheel
                    wheel: column.modelData
                    wheels: picker.wheels
                    unit: picker.unit
                    height: parent.height
                }
            }
        }
    }

    Rectangle {
        // The selection band across the wheels.
        anchors.verticalCenter: parent.verticalCenter
        x: wheelRow.x - 4 * picker.unit
        width: wheelRow.width + 8 * picker.unit
        height: 44 * picker.unit
        radius: 4 * picker.unit
        color: Theme.pickerBand
        border.color: Theme.pickerBandEdge
        border.width: Math.max(1, picker.unit)
    }

    Repeater {
        // The fixed captions, with a white edge one point below.
        model: [{ text: qsTrId("Time:"), right: 65 }, { text: qsTrId("Vol:"), right: 255 }]
        delegate: Item {
            id: caption
            required property var modelData
            x: caption.modelData.right * picker.unit - label.implicitWidth
            y: 95 * picker.unit
            width: label.implicitWidth
            height: 25 * picker.unit
            Text {
                y: Math.max(1, picker.unit)
                text: caption.modelData.text
                color: Theme.pickerCaptionEdge
                opacity: 0.7
                font.bold: true
                font.pixelSize: 18 * picker.unit
            }
            Text {
                id: label
                text: caption.modelData.text
                color: Theme.pickerCaption
                opacity: 0.7
                font.bold: true
                font.pixelSize: 18 * picker.unit
            }
        }
    }
}
