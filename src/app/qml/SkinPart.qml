import QtQuick
import PlayerLink

// One control of a skin, drawn by the component of its kind.
Loader {
    id: part

    required property SkinControl modelData

    function sourceFor(kind: int): string {
        switch (kind) {
        case SkinControl.View:
            return "SkinView.qml"
        case SkinControl.ScrollView:
            return "SkinPages.qml"
        case SkinControl.Image:
            return "SkinImage.qml"
        case SkinControl.Label:
            return "SkinLabel.qml"
        case SkinControl.ZoomSlider:
            return "SkinZoomSlider.qml"
        case SkinControl.Slider:
            return "SkinSlider.qml"
        case SkinControl.Button:
            return "SkinButton.qml"
        case SkinControl.Table:
            return "SkinTable.qml"
        case SkinControl.Picker:
            return "SkinPicker.qml"
        case SkinControl.Art:
            return "SkinArt.qml"
        }
        return ""
    }

    Component.onCompleted: setSource(sourceFor(modelData.kind), { control: modelData })
}
