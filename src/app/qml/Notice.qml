import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// A message the user reads and dismisses, or, given buttons, chooses from;
// a prompt has a line to type into under the message as well.
Sheet {
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
    // The button that cannot be undone, drawn red; -1 when none.
    property int destructive: -1

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

    // The last of several buttons is the one that goes ahead ("Ok"), unless
    // one cannot be undone: that one is marked instead. An action sheet's
    // buttons stand one under the other, a prompt's side by side.
    stacked: !notice.textField
    actions: notice.buttons.length === 0
             ? [{ text: qsTrId("Ok"), name: "noticeOk", kind: "default" }]
             : notice.buttons.map((text, index) => ({
                 text: text, name: "noticeButton" + index,
                 kind: index === notice.destructive ? "destructive"
                     : notice.destructive < 0 && index > 0 && index === notice.buttons.length - 1 ? "default" : "" }))
    onActed: index => {
        if (notice.buttons.length === 0)
            notice.accept()
        else
            notice.choose(index)
    }

    Label {
        id: messageLabel
        visible: messageLabel.text !== ""
        wrapMode: Text.Wrap
        // Wrapped at once, not only once the column is laid out.
        width: parent ? parent.width : 0
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
        Layout.preferredHeight: Theme.touchTarget
        // Enter answers as the last button, the one that goes ahead ("Ok").
        onAccepted: notice.choose(notice.buttons.length - 1)
    }
}
