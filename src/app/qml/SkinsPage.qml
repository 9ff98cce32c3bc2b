pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The installed skins: the one that ships first, a tick on the one in use.
// A tap chooses a skin; a downloaded skin can be deleted in edit mode, or,
// as in the remotes list, by a sideways swipe on it that shows its Delete.
// "Download Skins" opens the gallery.
Page {
    id: page
    objectName: "skinsPage"

    required property RemotesScreen remotes
    readonly property SkinsScreen skins: remotes.skins
    property bool editing: false
    // A swipe is a clearly sideways drag, as in the other lists.
    readonly property int swipeDistance: 24

    title: qsTrId("Skins")
    background: Rectangle {
        color: Theme.background
    }

    // While shown, the list follows the skins folder: a skin installed from
    // the gallery, by playerlink or by hand shows at once.
    StackView.onActivating: page.skins.setListShown(true)
    StackView.onDeactivated: page.skins.setListShown(false)

    KeyList {
        id: list
        objectName: "skinsList"
        anchors.fill: parent
        model: page.skins.list
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("Skins")

        delegate: FocusRow {
            id: row
            listView: list
            rowIndex: row.index
            required property int index
            required property string name
            required property bool chosen
            required property bool deletable
            // A swipe showed its Delete outside edit mode.
            property bool swiped: false

            objectName: "skin-" + row.name
            width: ListView.view.width
            height: Theme.rowHeight
            Accessible.role: Accessible.ListItem
            Accessible.name: row.name
            Accessible.checkable: true
            Accessible.checked: row.chosen
            contentItem: RowLayout {
                Label {
                    text: row.name
                    elide: Text.ElideRight
                    color: Theme.text
                    Layout.fillWidth: true
                }
                RowMark {
                    visible: row.chosen
                }
                PlainButton {
                    objectName: "deleteSkin-" + row.name
                    visible: (page.editing || row.swiped) && row.deletable
                    text: qsTrId("Delete")
                    kind: "destructive"
                    Layout.minimumHeight: Theme.touchTarget
                    Layout.minimumWidth: Theme.barButtonWidth
                    onClicked: page.skins.remove(row.index)
                }
            }
            // Sideways only: the list keeps its own flick up and down. Leftwards
            // shows the Delete, rightwards takes it away again.
            DragHandler {
                target: null
                yAxis.enabled: false
                enabled: row.deletable && !page.editing
                onActiveChanged: {
                    if (active)
                        return
                    if (translation.x <= -page.swipeDistance)
                        row.swiped = true
                    else if (translation.x >= page.swipeDistance)
                        row.swiped = false
                }
            }
            Connections {
                target: page
                function onEditingChanged() {
                    row.swiped = false
                }
            }
            // Delete where the row shows its Delete button.
            onRemoveWanted: {
                if ((page.editing || row.swiped) && row.deletable)
                    page.skins.remove(row.index)
            }
            onClicked: {
                if (row.swiped)
                    row.swiped = false
                else if (!page.editing)
                    page.skins.choose(row.index)
            }
        }
    }

    footer: Bar {
        RowLayout {
            anchors.fill: parent
            Item {
                Layout.preferredWidth: editButton.width
            }
            Item {
                Layout.fillWidth: true
            }
            BarButton {
                objectName: "downloadSkinsButton"
                text: qsTrId("Download Skins")
                Accessible.name: text
                Layout.preferredHeight: Theme.touchTarget
                onClicked: page.remotes.openSkinGallery()
            }
            Item {
                Layout.fillWidth: true
            }
            BarButton {
                id: editButton
                objectName: "skinsEditButton"
                text: page.editing ? qsTrId("Done") : qsTrId("Edit")
                Accessible.name: text
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.barButtonWidth
                onClicked: page.editing = !page.editing
            }
        }
    }
}
