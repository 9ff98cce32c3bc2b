import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// VLC asks for the password of its web interface: typed here, it goes to
// the remote (and is saved with a saved one); Cancel leaves the remote be
// until its answer changes.
Dialog {
    id: prompt
    objectName: "passwordPrompt"

    required property RemoteScreen screen

    title: screen.passwordTitle
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(340, (parent ? parent.width : 340) - 24)
    closePolicy: Popup.CloseOnEscape

    onAboutToShow: {
        field.text = ""
        field.forceActiveFocus()
    }
    onAccepted: screen.supplyPassword(field.text)
    onRejected: screen.declinePassword()

    ColumnLayout {
        anchors.fill: parent
        spacing: 12
        Label {
            text: prompt.screen.passwordMessage
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        TextField {
            id: field
            objectName: "passwordField"
            echoMode: TextInput.Password
            placeholderText: qsTrId("Password")
            Accessible.name: qsTrId("Password")
            Layout.fillWidth: true
            Layout.preferredHeight: 48
            onAccepted: prompt.accept()
        }
    }

    footer: RowLayout {
        spacing: 8
        Item {
            Layout.fillWidth: true
        }
        PlainButton {
            objectName: "passwordCancel"
            text: qsTrId("Cancel")
            flat: true
            Layout.preferredHeight: 48
            Layout.minimumWidth: 88
            onClicked: prompt.reject()
        }
        PlainButton {
            objectName: "passwordConnect"
            text: qsTrId("Connect")
            Layout.preferredHeight: 48
            Layout.minimumWidth: 88
            Layout.rightMargin: 12
            Layout.bottomMargin: 12
            onClicked: prompt.accept()
        }
    }
}
