import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A message the user reads and dismisses, or, given buttons, chooses from;
// a prompt has a line to type into under the message as well.
Dialog {
    id: notice
    objectName: "notice"

    property alias message: messageLabel.text
    // The buttons to choose from, in order; none shows "Ok" alone.
    property var buttons: []
    // The button pressed; -1 when dismissed otherwise.
    property int chosen: -1
    // A prompt's line, masked when secret, and what was typed there.
    property bool textField: false
    property bool secret: false
    property string placeholder: ""
    readonly property alias typed: field.text

    function show(title: string, message: string) {
        showChoices(title, message, [])
    }

    function showChoices(title: string, message: string, buttons: var) {
        notice.title = title
        notice.message = message
        notice.buttons = buttons
        notice.chosen = -1
        notice.textField = false
        open()
    }

    function showPrompt(title: string, message: string, buttons: var, secret: bool, placeholder: string) {
        showChoices(title, message, buttons)
        notice.textField = true
        notice.secret = secret
        notice.placeholder = placeholder
        field.text = ""
        field.forceActiveFocus()
    }

    function choose(index: int) {
        notice.chosen = index
        accept()
    }

    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(340, (parent ? parent.width : 340) - 24)

    // The whole title, however long: many a notice has no message and says
    // everything there.
    header: Label {
        objectName: "noticeTitle"
        text: notice.title
        visible: notice.title !== ""
        wrapMode: Text.Wrap
        font.bold: true
        padding: 12
        background: Rectangle {
            x: 1
            y: 1
            width: parent.width - 2
            height: parent.height - 1
            color: notice.palette.window
        }
    }

    ColumnLayout {
        width: parent.width
        spacing: 12
        Label {
            id: messageLabel
            visible: messageLabel.text !== ""
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        TextField {
            id: field
            objectName: "noticeField"
            visible: notice.textField
            echoMode: notice.secret ? TextInput.Password : TextInput.Normal
            placeholderText: notice.placeholder
            Accessible.name: notice.placeholder
            Layout.fillWidth: true
            Layout.preferredHeight: 48
            // Enter answers as the last button, the one that goes ahead ("Ok").
            onAccepted: notice.choose(notice.buttons.length - 1)
        }
    }

    footer: RowLayout {
        Item {
            visible: notice.buttons.length === 0
            Layout.fillWidth: true
        }
        PlainButton {
            objectName: "noticeOk"
            visible: notice.buttons.length === 0
            text: qsTrId("Ok")
            Layout.preferredHeight: 48
            Layout.minimumWidth: 88
            Layout.rightMargin: 12
            Layout.bottomMargin: 12
            onClicked: notice.accept()
        }
        // Wrapped, so that three fit a narrow screen.
        Flow {
            visible: notice.buttons.length > 0
            spacing: 8
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.bottomMargin: 12
            Repeater {
                model: notice.buttons
                // Here rather than in the delegate, which does not see the dialog's id.
                onItemAdded: (index, item) => (item as PlainButton).clicked.connect(() => notice.choose(index))
                PlainButton {
                    required property int index
                    required property string modelData
                    objectName: "noticeButton" + index
                    text: modelData
                    height: 48
                    width: Math.max(88, implicitWidth)
                }
            }
        }
    }
}
