pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// What this computer serves to the shown VLC, under a band with Stop: the
// files stay shared until stopped, or until they leave VLC's playlist.
// Nothing shows while nothing is served.
ColumnLayout {
    id: served
    objectName: "servedFiles"

    required property LocalFileCast cast
    // Rows shown before the list scrolls.
    property int shownRows: 3

    visible: served.cast.count > 0
    spacing: 0

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: Theme.bandHeight
        color: Theme.bar
        Accessible.role: Accessible.Heading
        Accessible.name: heading.text
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.rowInset
            spacing: Theme.spacing
            Label {
                id: heading
                text: qsTrId("Served from this computer")
                elide: Text.ElideRight
                color: Theme.secondaryText
                font.bold: true
                Accessible.ignored: true
                Layout.fillWidth: true
            }
            BarButton {
                objectName: "stopServing"
                text: qsTrId("Stop")
                name: qsTrId("Stop serving the files")
                implicitHeight: Theme.bandHeight
                onClicked: served.cast.stopAll()
            }
        }
    }

    ListView {
        id: files
        objectName: "servedList"
        Layout.fillWidth: true
        implicitHeight: Math.min(files.count, served.shownRows) * Theme.bandHeight
        clip: true
        model: served.cast
        Accessible.role: Accessible.List
        Accessible.name: heading.text
        delegate: Label {
            id: file
            required property string name
            required property int fileState
            objectName: "served-" + file.name
            width: ListView.view.width
            height: Theme.bandHeight
            leftPadding: Theme.rowInset
            rightPadding: Theme.rowInset
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideMiddle
            text: (file.fileState === LocalFileCast.Playing ? "\u25B6 " : "") + file.name
            color: file.fileState === LocalFileCast.Playing ? Theme.accentLight : Theme.text
            Accessible.role: Accessible.ListItem
            Accessible.name: file.name
        }
    }
}
