import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// The window: one navigation stack, with a bar that names the screen and
// goes back. Escape, the bar's back button and a phone's back key pop it.
ApplicationWindow {
    id: window

    required property WindowKeys keys
    // The skin folder, relative to the home directory.
    required property string skinDirectory
    // Open the remote screen at once (--connect).
    required property bool openRemote

    width: 390
    height: 716
    visible: true
    title: "PlayerLink"
    color: "#101114"

    // The remote screen's next page (the picture tour turns them).
    function flipPages() {
        const page = stack.currentItem as RemotePage
        if (page)
            page.scene.flipPages()
    }

    function goBack() {
        if (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
    }

    function showRemote() {
        stack.push(remotePage, { keys: window.keys, skinDirectory: window.skinDirectory })
    }

    header: ToolBar {
        id: bar
        background: Rectangle {
            color: "#1d1e22"
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: "#000000"
            }
        }
        RowLayout {
            anchors.fill: parent
            ToolButton {
                id: back
                objectName: "backButton"
                visible: stack.depth > 1
                text: "\u2039 " + qsTrId("Back")
                Accessible.name: qsTrId("Back")
                palette.buttonText: "white"
                background: Rectangle {
                    color: back.down ? Qt.rgba(1, 1, 1, 0.15) : "transparent"
                    radius: 4
                }
                Layout.preferredHeight: 48
                Layout.minimumWidth: 48
                onClicked: stack.pop()
            }
            Label {
                text: stack.currentItem ? (stack.currentItem as Page)?.title ?? "" : ""
                elide: Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                font.bold: true
                color: "white"
                Layout.fillWidth: true
                Layout.rightMargin: back.visible ? back.width : 0
            }
        }
    }

    StackView {
        id: stack
        objectName: "stack"
        anchors.fill: parent
        initialItem: RemotesPage {}
    }

    Component {
        id: remotePage
        RemotePage {}
    }

    Binding {
        target: window.keys
        property: "canGoBack"
        value: stack.depth > 1
    }

    Connections {
        target: window.keys
        function onBackRequested() {
            stack.pop()
        }
    }

    Component.onCompleted: {
        if (openRemote)
            showRemote()
    }
}
