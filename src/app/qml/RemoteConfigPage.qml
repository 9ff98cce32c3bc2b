import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// Adding or editing a computer: its name, address, the password of VLC's
// web interface and whether it is the default remote; the address and name
// can come from a found computer. The bar's Save keeps it with the saved
// computers and goes back (what stands in the way shows in an alert), its
// Cancel goes back without it; the bar has no back button of its own.
Page {
    id: page
    objectName: "remoteConfigPage"

    required property RemotesScreen remotes

    title: qsTrId("Configure Remote")
    readonly property string backTitle: qsTrId("Back")
    background: Rectangle {
        color: Theme.background
    }

    // The bar's buttons.
    function save() {
        if (form.save())
            page.StackView.view.pop()
    }
    function cancel() {
        page.StackView.view.pop()
    }

    RemoteConfigForm {
        id: form
        remotes: page.remotes
        Component.onCompleted: begin()
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
                color: Theme.secondaryText
            }
            TextField {
                id: nameField
                text: form.nickname
                onTextEdited: form.nickname = text
                objectName: "nameField"
                Accessible.name: qsTrId("Remote Name")
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
            }
            Label {
                text: qsTrId("Remote Address")
                color: Theme.secondaryText
                Layout.topMargin: 8
            }
            TextField {
                id: addressField
                text: form.address
                onTextEdited: form.address = text
                objectName: "addressField"
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
                Accessible.name: qsTrId("Remote Address")
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
            }
            Switch {
                id: defaultSwitch
                objectName: "defaultSwitch"
                text: qsTrId("Use as default remote")
                checked: form.isDefault
                onToggled: form.isDefault = checked
                palette.windowText: Theme.text
                Accessible.name: qsTrId("Use as default remote")
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                FocusRing {
                    shown: defaultSwitch.visualFocus
                }
            }
            Button {
                id: chooseFound
                objectName: "chooseFound"
                visible: form.canChooseFound
                text: qsTrId("Select from 'found computers'") + "  \u203a"
                palette.buttonText: Theme.text
                Accessible.name: qsTrId("Select from 'found computers'")
                background: Rectangle {
                    color: chooseFound.down ? Theme.pressed : Theme.surface
                    radius: 4
                }
                FocusRing {
                    shown: chooseFound.visualFocus
                }
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                onClicked: form.chooseFound()
            }
            Button {
                id: addressHelp
                objectName: "addressHelp"
                text: qsTrId("Help setting address") + "  \u203a"
                palette.buttonText: Theme.text
                Accessible.name: qsTrId("Help setting address")
                background: Rectangle {
                    color: addressHelp.down ? Theme.pressed : Theme.surface
                    radius: 4
                }
                FocusRing {
                    shown: addressHelp.visualFocus
                }
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                onClicked: form.showAddressHelp()
            }
            Label {
                text: qsTrId("Password")
                color: Theme.secondaryText
                Layout.topMargin: 8
            }
            TextField {
                id: passwordField
                text: form.password
                onTextEdited: form.password = text
                objectName: "configPasswordField"
                echoMode: TextInput.Password
                placeholderText: qsTrId("VLC's web interface password")
                Accessible.name: qsTrId("VLC's web interface password")
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
            }
        }
    }
}
