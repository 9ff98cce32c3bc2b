import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A message the user reads and dismisses.
Dialog {
    id: notice
    objectName: "notice"

    property alias message: text.text

    function show(title, message) {
        notice.title = title
        notice.message = message
        open()
    }

    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(340, (parent ? parent.width : 340) - 24)

    Label {
        id: text
        width: parent.width
        wrapMode: Text.WordWrap
    }

    footer: RowLayout {
        Item {
            Layout.fillWidth: true
        }
        Button {
            objectName: "noticeOk"
            text: qsTrId("Ok")
            Layout.preferredHeight: 48
            Layout.minimumWidth: 88
            Layout.rightMargin: 12
            Layout.bottomMargin: 12
            onClicked: notice.accept()
        }
    }
}
