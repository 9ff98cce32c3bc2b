import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// VLC asks for the password of its web interface: typed here, it goes to
// the remote (and is saved with a saved one); Cancel leaves the remote be
// until its answer changes.
Sheet {
    id: prompt
    objectName: "passwordPrompt"

    required property RemoteScreen screen

    title: screen.passwordTitle
    closePolicy: Popup.CloseOnEscape
    actions: [{ text: qsTrId("Cancel"), name: "passwordCancel" },
              { text: qsTrId("Connect"), name: "passwordConnect", kind: "default" }]
    onActed: index => {
        if (index === 0)
            prompt.reject()
        else
            prompt.accept()
    }

    onAboutToShow: {
        field.text = ""
        field.forceActiveFocus()
    }
    onAccepted: screen.supplyPassword(field.text)
    onRejected: screen.declinePassword()

    Label {
        text: prompt.screen.passwordMessage
        visible: text !== ""
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    TextField {
        id: field
        objectName: "passwordField"
        echoMode: TextInput.Password
        placeholderText: qsTrId("Password")
        Accessible.name: qsTrId("Password")
        Layout.fillWidth: true
        Layout.preferredHeight: Theme.touchTarget
        onAccepted: prompt.accept()
    }
}
