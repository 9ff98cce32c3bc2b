import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import PlayerLink

// Files of this computer, chosen or dropped on the window: VLC plays them
// (the first at once, the others after it) or adds them to its playlist.
// They are served from here while they are in VLC's playlist.
Sheet {
    id: sheet

    required property LocalFileCast cast
    property list<url> files

    // urls: the files, as a list of file: URLs.
    function ask(urls: var) {
        sheet.files = urls
        open()
    }

    title: qsTrId("Play on VLC from this computer")
    stacked: true
    focus: true
    actions: [{ text: qsTrId("Play"), name: sheet.objectName + "Play", kind: "default" },
              { text: qsTrId("Add to playlist"), name: sheet.objectName + "Add" },
              { text: qsTrId("Cancel"), name: sheet.objectName + "Cancel" }]
    // Closed first: a refusal is told by a notice of its own.
    onActed: index => {
        const files = sheet.files
        sheet.close()
        if (index === 0)
            sheet.cast.play(files)
        else if (index === 1)
            sheet.cast.enqueue(files)
    }

    Label {
        objectName: sheet.objectName + "Names"
        text: sheet.cast.fileNames(sheet.files).join("\n")
        wrapMode: Text.Wrap
        maximumLineCount: 6
        elide: Text.ElideRight
        color: Theme.mutedText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        // Wrapped at once, not only once the column is laid out.
        width: parent ? parent.width : 0
        Layout.fillWidth: true
    }
}
