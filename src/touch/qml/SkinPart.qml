import QtQuick
import PlayerLink.Touch

// One control of a skin, drawn by the component of its kind.
Loader {
    id: part

    required property SkinControl modelData
    // Whether to make the control yet: a skin's pages make theirs as they
    // first come into view.
    property bool wanted: true

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

    function make() {
        if (part.wanted && part.status === Loader.Null)
            part.setSource(part.sourceFor(part.modelData.kind), { control: part.modelData })
    }

    onWantedChanged: make()
    Component.onCompleted: make()
}
