import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// Before a skin link is downloaded, a question; while it
// downloads, a panel with its progress above the bottom bar.
Item {
    id: prompt

    required property SkinsScreen skins

    anchors.fill: parent

    Sheet {
        id: question
        objectName: "skinQuestion"
        title: qsTrId("Download Skin ?")
        closePolicy: Popup.CloseOnEscape
        actions: [{ text: qsTrId("Cancel"), name: "skinQuestionCancel" },
                  { text: qsTrId("Download"), name: "skinQuestionDownload", kind: "default" }]
        onActed: index => prompt.skins.answer(index === 1)
        Label {
            text: prompt.skins.question
            wrapMode: Text.Wrap
            Layout.fillWidth: true
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
        radius: Theme.radius
        color: Theme.panel
        border.color: Theme.panelBorder
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.barHeight + Theme.spacing
        Accessible.role: Accessible.ProgressBar
        Accessible.name: qsTrId("Downloading skin...")
        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 10
            anchors.leftMargin: Theme.rowInset
            anchors.rightMargin: 14
            spacing: 6
            Label {
                text: qsTrId("Downloading skin...")
                font.bold: true
                color: Theme.barText
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
