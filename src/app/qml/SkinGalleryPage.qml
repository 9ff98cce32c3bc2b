import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// The skin gallery browser: an address bar, the page, back, forward and
// reload. It opens on the gallery's page; a skin link asks whether to
// download the skin.
Page {
    id: page
    objectName: "skinGalleryPage"

    required property RemotesScreen remotes
    readonly property SkinsScreen skins: remotes.skins
    readonly property WebPageScreen web: skins.gallery

    title: web.title !== "" ? web.title : qsTrId("Skin Gallery")
    background: Rectangle {
        color: Theme.background
    }

    Component.onCompleted: page.skins.openGallery()

    // The page's address, unless the reader is typing one.
    function showAddress() {
        if (!address.activeFocus)
            address.text = page.web.address
    }

    Connections {
        target: page.web
        function onShown() {
            page.showAddress()
        }
    }

    header: Rectangle {
        height: 52
        color: Theme.bar
        RowLayout {
            anchors.fill: parent
            anchors.margins: 6
            spacing: 8
            TextField {
                id: address
                objectName: "addressBar"
                placeholderText: qsTrId("Type a gallery's address")
                Accessible.name: qsTrId("Type a gallery's address")
                inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                Layout.fillWidth: true
                Layout.preferredHeight: 40
                onAccepted: {
                    content.forceActiveFocus()
                    page.skins.enterAddress(address.text)
                    page.showAddress()
                }
                Keys.onEscapePressed: {
                    content.forceActiveFocus()
                    page.showAddress()
                }
            }
            BusyIndicator {
                objectName: "galleryLoading"
                running: page.web.loading
                visible: running
                Layout.preferredWidth: 28
                Layout.preferredHeight: 28
            }
        }
    }

    WebPageView {
        id: content
        objectName: "galleryView"
        anchors.fill: parent
        page: page.web
        focus: true
    }

    footer: Bar {
        RowLayout {
            anchors.fill: parent
            BarButton {
                objectName: "galleryBack"
                text: "\u25c0"
                enabled: page.web.canGoBack
                Accessible.name: qsTrId("Back")
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.web.back()
            }
            BarButton {
                objectName: "galleryForward"
                text: "\u25b6"
                enabled: page.web.canGoForward
                Accessible.name: qsTrId("Forward")
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.touchTarget
                Layout.leftMargin: 24
                onClicked: page.web.forward()
            }
            Item {
                Layout.fillWidth: true
            }
            BarButton {
                objectName: "galleryReload"
                text: "\u21bb"
                enabled: !page.web.loading
                Accessible.name: qsTrId("Reload")
                Layout.preferredHeight: Theme.touchTarget
                Layout.minimumWidth: Theme.touchTarget
                onClicked: page.web.reload()
            }
        }
    }
}
