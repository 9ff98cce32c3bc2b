import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// Adding a computer: its name, address and the password of VLC's web
// interface. Save keeps it with the saved computers and goes back; what
// stands in the way shows under the fields.
Page {
    id: page
    objectName: "remoteConfigPage"

    required property TouchRemotes remotes

    title: qsTrId("Configure Remote")
    background: Rectangle {
        color: "#101114"
    }

    RemoteConfigForm {
        id: form
        remotes: page.remotes
        nickname: nameField.text
        address: addressField.text
        password: passwordField.text
    }

    Flickable {
        anchors.fill: parent
        contentHeight: fields.implicitHeight + 32
        clip: true

        ColumnLayout {
            id: fields
            x: 16
            y: 16
            width: parent.width - 32
            spacing: 6

            Label {
                text: qsTrId("Remote Name")
                color: "#9a9da6"
            }
            TextField {
                id: nameField
                objectName: "nameField"
                Accessible.name: qsTrId("Remote Name")
                Layout.fillWidth: true
                Layout.preferredHeight: 48
            }
            Label {
                text: qsTrId("Remote Address")
                color: "#9a9da6"
                Layout.topMargin: 8
            }
            TextField {
                id: addressField
                objectName: "addressField"
                placeholderText: "192.168.1.20:8080"
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
                Accessible.name: qsTrId("Remote Address")
                Layout.fillWidth: true
                Layout.preferredHeight: 48
            }
            Label {
                text: qsTrId("VLC's web interface password")
                color: "#9a9da6"
                Layout.topMargin: 8
            }
            TextField {
                id: passwordField
                objectName: "configPasswordField"
                echoMode: TextInput.Password
                Accessible.name: qsTrId("VLC's web interface password")
                Layout.fillWidth: true
                Layout.preferredHeight: 48
            }
            Label {
                objectName: "configProblem"
                visible: text !== ""
                text: form.problem
                color: "#ff8c1a"
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
                Layout.topMargin: 8
            }
            Button {
                objectName: "saveButton"
                text: qsTrId("Save")
                Layout.alignment: Qt.AlignRight
                Layout.topMargin: 12
                Layout.preferredHeight: 48
                Layout.minimumWidth: 120
                onClicked: {
                    if (form.save())
                        page.StackView.view.pop()
                }
            }
        }
    }
}
