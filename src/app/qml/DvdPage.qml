pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// DVD navigation: the arrows, select and the disc's menu; the arrow keys,
// Enter and M work too.
Page {
    id: page
    objectName: "dvdPage"

    required property AdvancedScreens advanced

    title: qsTrId("DVD")
    background: Rectangle {
        color: Theme.background
    }
    focus: true

    StackView.onActivated: page.forceActiveFocus()

    Keys.onPressed: event => {
        const keys = {}
        keys[Qt.Key_Up] = page.advanced.dvdUp
        keys[Qt.Key_Down] = page.advanced.dvdDown
        keys[Qt.Key_Left] = page.advanced.dvdLeft
        keys[Qt.Key_Right] = page.advanced.dvdRight
        keys[Qt.Key_Return] = page.advanced.dvdSelect
        keys[Qt.Key_Enter] = page.advanced.dvdSelect
        keys[Qt.Key_M] = page.advanced.dvdMenu
        if (keys[event.key]) {
            keys[event.key]()
            event.accepted = true
        }
    }

    component PadButton: AbstractButton {
        id: pad
        required property string image
        required property string name
        implicitWidth: 72
        implicitHeight: 72
        focusPolicy: Qt.TabFocus
        Accessible.role: Accessible.Button
        Accessible.name: pad.name
        contentItem: Image {
            source: "qrc:/images/" + pad.image + (pad.down ? "_down.png" : ".png")
            cache: false
            fillMode: Image.PreserveAspectFit
        }
        background: null
        FocusRing {
            shown: pad.visualFocus
            radius: 8
        }
    }

    // Portrait: the pad, the menu button and the hint in a column;
    // landscape: the menu button and the hint beside the pad.
    GridLayout {
        readonly property bool wide: page.width > page.height
        anchors.centerIn: parent
        columns: wide ? 2 : 1
        rowSpacing: 16
        columnSpacing: 24
        width: Math.min(page.width - 32, wide ? 520 : 320)

        GridLayout {
            columns: 3
            rowSpacing: 6
            columnSpacing: 6
            Layout.alignment: Qt.AlignHCenter
            Item { implicitWidth: 72; implicitHeight: 72 }
            PadButton { objectName: "dvdUp"; image: "dvdUp"; name: qsTrId("Up"); onClicked: page.advanced.dvdUp() }
            Item { implicitWidth: 72; implicitHeight: 72 }
            PadButton { objectName: "dvdLeft"; image: "dvdLeft"; name: qsTrId("Left"); onClicked: page.advanced.dvdLeft() }
            PadButton { objectName: "dvdSelect"; image: "dvdSelect"; name: qsTrId("Select"); onClicked: page.advanced.dvdSelect() }
            PadButton { objectName: "dvdRight"; image: "dvdRight"; name: qsTrId("Right"); onClicked: page.advanced.dvdRight() }
            Item { implicitWidth: 72; implicitHeight: 72 }
            PadButton { objectName: "dvdDown"; image: "dvdDown"; name: qsTrId("Down"); onClicked: page.advanced.dvdDown() }
            Item { implicitWidth: 72; implicitHeight: 72 }
        }
        ColumnLayout {
            spacing: 16
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            PadButton {
                objectName: "dvdMenu"
                image: "dvdMenu"
                name: qsTrId("Menu")
                implicitWidth: 60
                implicitHeight: 60
                Layout.alignment: Qt.AlignHCenter
                onClicked: page.advanced.dvdMenu()
            }
            Label {
                text: qsTrId("Arrow keys, Enter and M work here too.")
                color: Theme.secondaryText
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                Layout.fillWidth: true
            }
        }
    }
}
