import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink.Touch

// Before a skin link is downloaded, playerlink's question; while it
// downloads, a panel with its progress above the bottom bar.
Item {
    id: prompt

    required property TouchSkins skins

    anchors.fill: parent

    Dialog {
        id: question
        objectName: "skinQuestion"
        title: qsTrId("Download Skin ?")
        modal: true
        closePolicy: Popup.CloseOnEscape
        anchors.centerIn: Overlay.overlay
        width: Math.min(340, prompt.width - 24)
        Label {
            width: parent.width
            text: prompt.skins.question
            wrapMode: Text.Wrap
        }
        footer: RowLayout {
            Item {
                Layout.fillWidth: true
            }
            PlainButton {
                objectName: "skinQuestionCancel"
                text: qsTrId("Cancel")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 88
                Layout.bottomMargin: 12
                onClicked: prompt.skins.answer(false)
            }
            PlainButton {
                objectName: "skinQuestionDownload"
                text: qsTrId("Download")
                Layout.preferredHeight: 48
                Layout.minimumWidth: 88
                Layout.rightMargin: 12
                Layout.bottomMargin: 12
                onClicked: prompt.skins.answer(true)
            }
        }
        // Escape is a "Cancel".
        onClosed: {
            if (prompt.skins.question !== "")
                prompt.skins.answer(false)
        }
    }

    Connections {
        target: prompt.skins
        function onQuestionChanged() {
            if (prompt.skins.question !== "")
                question.open()
            else
                question.close()
        }
    }

    Rectangle {
        objectName: "skinDownloadProgress"
        visible: prompt.skins.downloading
        width: Math.min(prompt.width - 24, 420)
        height: 58
        radius: 10
        color: "#eb101114"
        border.color: "#28ffffff"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 56
        Accessible.role: Accessible.ProgressBar
        Accessible.name: qsTrId("Downloading skin...")
        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 10
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            spacing: 6
            Label {
                text: qsTrId("Downloading skin...")
                font.bold: true
                color: "white"
            }
            ProgressBar {
                from: 0
                to: 1
                value: Math.max(0, prompt.skins.progress)
                indeterminate: prompt.skins.progress < 0
                Layout.fillWidth: true
            }
        }
    }
}
