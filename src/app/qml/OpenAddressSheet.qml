import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// "Open address...": an address for VLC to play at once or add to its
// playlist, checked as it is typed; while it cannot go, the sheet says why
// and the buttons send nothing. Enter plays it.
Sheet {
    id: sheet
    objectName: "openAddressSheet"

    required property OpenAddressModel form

    // Opens with an address in the field (a link dropped), or what was
    // typed last.
    function ask(address: string) {
        if (address !== "")
            sheet.form.address = address
        open()
    }

    title: qsTrId("Open address...")
    stacked: true
    focus: true
    actions: [{ text: qsTrId("Play"), name: "openAddressPlay", kind: "default" },
              { text: qsTrId("Add to playlist"), name: "openAddressAdd" },
              { text: qsTrId("Cancel"), name: "openAddressCancel" }]
    onActed: index => {
        if (index === 2)
            sheet.reject()
        else if (index === 0 ? sheet.form.play() : sheet.form.enqueue())
            sheet.accept()
    }
    onOpened: {
        field.forceActiveFocus()
        field.selectAll()
    }

    TextField {
        id: field
        objectName: "openAddressField"
        text: sheet.form.address
        onTextEdited: sheet.form.address = text
        placeholderText: "https://"
        inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly | Qt.ImhNoPredictiveText
        Accessible.name: qsTrId("Address")
        Layout.fillWidth: true
        Layout.preferredHeight: Theme.touchTarget
        onAccepted: sheet.acted(0)
    }
    Label {
        objectName: "openAddressProblem"
        visible: !sheet.form.acceptable
        text: sheet.form.problemText
        wrapMode: Text.Wrap
        color: Theme.secondaryText
        font.pixelSize: Theme.detailFont
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        // Wrapped at once, not only once the column is laid out.
        width: parent ? parent.width : 0
        Layout.fillWidth: true
    }
}
