pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The remote screen's "More..." choices, one button each, Cancel last.
Dialog {
    id: sheet
    objectName: "moreSheet"

    required property TouchAdvanced advanced

    title: sheet.advanced.moreTitle
    modal: true
    // A sheet at the foot of the window, as playerlink shows it.
    parent: Overlay.overlay
    // Wide and low windows get two columns, so that every choice shows.
    readonly property bool wide: parent ? parent.width > parent.height : false
    width: Math.min(sheet.wide ? 560 : 380, (parent ? parent.width : 380) - 16)
    x: parent ? (parent.width - width) / 2 : 0
    y: parent ? parent.height - height - 8 : 0
    padding: 14
    topPadding: 8
    background: Rectangle {
        color: "#1d1e22"
        radius: 12
        border.color: "#4a4c52"
    }
    header: Label {
        text: sheet.title
        color: "#c8cad0"
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        topPadding: 12
    }

    GridLayout {
        width: sheet.availableWidth
        columns: sheet.wide ? 2 : 1
        rowSpacing: 6
        columnSpacing: 8
        Repeater {
            model: sheet.advanced.moreButtons
            delegate: DarkButton {
                id: choice
                required property int index
                required property string modelData
                objectName: "more-" + choice.index
                text: choice.modelData
                Layout.fillWidth: true
                Layout.preferredHeight: 48
                onClicked: {
                    sheet.close()
                    sheet.advanced.chooseMore(choice.index)
                }
            }
        }
    }
}
