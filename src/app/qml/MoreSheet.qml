pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import PlayerLink

// The remote screen's "More..." choices, one button each, Cancel last.
Sheet {
    id: sheet
    objectName: "moreSheet"

    required property AdvancedScreens advanced

    title: sheet.advanced.moreTitle
    atFoot: true
    // Wide and low windows get two columns, so that every choice shows.
    readonly property bool wide: parent ? parent.width > parent.height : false
    preferredWidth: sheet.wide ? 560 : 380

    GridLayout {
        columns: sheet.wide ? 2 : 1
        rowSpacing: Theme.spacing
        columnSpacing: Theme.spacing
        Layout.fillWidth: true
        Repeater {
            model: sheet.advanced.moreButtons
            delegate: PlainButton {
                id: choice
                required property int index
                required property string modelData
                objectName: "more-" + choice.index
                text: choice.modelData
                font.bold: true
                font.pixelSize: Theme.buttonFont
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: {
                    sheet.close()
                    sheet.advanced.chooseMore(choice.index)
                }
            }
        }
    }
}
