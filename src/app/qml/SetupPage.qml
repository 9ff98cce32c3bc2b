pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The setup screen: how to prepare VLC, and a field for the user's e-mail
// address to send those steps to (the addresses typed before a tap away);
// the tick box for news of updates shows only with the maker's service.
// Skip and Send leave the screen.
Page {
    id: page
    objectName: "setupPage"

    required property RemotesScreen remotes
    readonly property SetupScreen setup: remotes.setup

    title: qsTrId("Setup")
    background: Rectangle {
        color: Theme.surface
    }

    StackView.onActivating: page.setup.refresh()

    Flickable {
        anchors.fill: parent
        clip: true
        contentHeight: column.implicitHeight + 44
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            x: 20
            y: 22
            width: parent.width - 40
            spacing: 14

            Label {
                objectName: "setupHeader"
                text: page.setup.header
                wrapMode: Text.Wrap
                color: Theme.text
                font.pixelSize: 21
                font.bold: true
                Layout.fillWidth: true
            }
            Label {
                id: message
                objectName: "setupMessage"
                text: page.setup.message
                textFormat: Text.StyledText
                wrapMode: Text.Wrap
                color: Theme.text
                linkColor: Theme.link
                font.pixelSize: 16
                Layout.fillWidth: true
                onLinkActivated: link => page.setup.openLink(link)
                HoverHandler {
                    cursorShape: message.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
                }
            }
            RowLayout {
                spacing: Theme.spacing
                Layout.fillWidth: true
                TextField {
                    id: email
                    objectName: "setupEmail"
                    placeholderText: qsTrId("Your email address")
                    Accessible.name: qsTrId("Your email address")
                    inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                    color: Theme.fieldText
                    placeholderTextColor: Theme.secondaryText
                    font.pixelSize: 17
                    Layout.fillWidth: true
                    Layout.preferredHeight: Theme.touchTarget
                    background: Rectangle {
                        color: Theme.field
                        radius: 7
                        border.color: email.activeFocus ? Theme.accent : Theme.secondaryText
                    }
                    onAccepted: email.focus = false
                }
                ToolButton {
                    id: find
                    objectName: "setupFind"
                    visible: page.setup.addresses.length > 0
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTrId("Addresses you typed before")
                    ToolTip.visible: find.hovered
                    ToolTip.text: qsTrId("Addresses you typed before")
                    ToolTip.delay: 600
                    Layout.preferredWidth: 48
                    Layout.preferredHeight: Theme.touchTarget
                    background: Rectangle {
                        color: find.down ? Theme.raisedTop : Theme.raised
                        border.color: Theme.outline
                        radius: 7
                        FocusRing {
                            shown: find.visualFocus
                        }
                    }
                    // A magnifying glass.
                    contentItem: Item {
                        Rectangle {
                            x: 12
                            y: 12
                            width: 16
                            height: 16
                            radius: 8
                            color: "transparent"
                            border.color: Theme.barText
                            border.width: 2
                        }
                        Rectangle {
                            x: 25
                            y: 28
                            width: 10
                            height: 2.5
                            radius: 1
                            rotation: 45
                            color: Theme.barText
                        }
                    }
                    onClicked: addresses.open()

                    Popup {
                        id: addresses
                        objectName: "setupAddresses"
                        y: find.height
                        x: find.width - width
                        width: Math.min(280, page.width - 40)
                        padding: 0
                        background: Rectangle {
                            color: Theme.raised
                            border.color: Theme.outline
                            radius: 7
                        }
                        Column {
                            Label {
                                objectName: "setupAddressesTitle"
                                width: addresses.width
                                padding: 12
                                text: qsTrId("Addresses you typed before")
                                wrapMode: Text.WordWrap
                                horizontalAlignment: Text.AlignHCenter
                                color: Theme.secondaryText
                                Accessible.role: Accessible.Heading
                                Accessible.name: text
                            }
                            Repeater {
                                model: page.setup.addresses
                                delegate: ItemDelegate {
                                    id: choice
                                    required property string modelData
                                    objectName: "setupAddress"
                                    width: addresses.width
                                    height: 48
                                    text: choice.modelData
                                    palette.text: Theme.text
                                    Accessible.name: choice.modelData
                                    onClicked: {
                                        email.text = choice.modelData
                                        addresses.close()
                                    }
                                }
                            }
                            ItemDelegate {
                                width: addresses.width
                                height: 48
                                text: qsTrId("Cancel")
                                palette.text: Theme.secondaryText
                                Accessible.name: qsTrId("Cancel")
                                onClicked: addresses.close()
                            }
                        }
                    }
                }
            }
            CheckBox {
                id: subscribe
                objectName: "setupSubscribe"
                visible: page.setup.serviceConfigured
                text: qsTrId("Send me info on updates and new iPhone apps")
                Accessible.name: subscribe.text
                Layout.fillWidth: true
                Layout.minimumHeight: Theme.touchTarget
                // Drawn here: the style's tick is a cached image, whose
                // texture would outlive the window.
                indicator: Rectangle {
                    x: subscribe.leftPadding
                    y: (subscribe.height - height) / 2
                    implicitWidth: 28
                    implicitHeight: 28
                    radius: 4
                    color: Theme.field
                    border.color: Theme.secondaryText
                    border.width: 1
                    FocusRing {
                        shown: subscribe.visualFocus
                        anchors.margins: -4
                        radius: 7
                    }
                    Label {
                        anchors.centerIn: parent
                        visible: subscribe.checked
                        text: "\u2713"
                        color: Theme.surface
                        font.pixelSize: 20
                        font.bold: true
                    }
                }
                contentItem: Label {
                    leftPadding: subscribe.indicator.width + subscribe.spacing
                    text: subscribe.text
                    wrapMode: Text.Wrap
                    verticalAlignment: Text.AlignVCenter
                    color: Theme.text
                    font.pixelSize: 15
                }
            }
        }
    }

    footer: Bar {
        RowLayout {
            anchors.fill: parent
            BarButton {
                objectName: "setupSkip"
                text: qsTrId("Skip")
                Layout.preferredHeight: Theme.touchTarget
                onClicked: page.setup.skip()
            }
            Item {
                Layout.fillWidth: true
            }
            Button {
                id: send
                objectName: "setupSend"
                text: qsTrId("Send")
                Accessible.name: send.text
                font.bold: true
                palette.buttonText: Theme.barText
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: 72
                Layout.rightMargin: 6
                // A face of the bar's height, the touch target taller.
                background: Item {
                    Rectangle {
                        anchors.centerIn: parent
                        width: parent.width
                        height: 32
                        radius: 6
                        color: send.down ? Theme.accentPressed : Theme.accent
                        border.color: Theme.accentDark
                        FocusRing {
                            shown: send.visualFocus
                            anchors.margins: -4
                        }
                    }
                }
                onClicked: page.setup.send(email.text, subscribe.visible && subscribe.checked)
            }
        }
    }
}
