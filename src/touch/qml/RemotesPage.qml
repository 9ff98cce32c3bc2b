import QtQuick
import QtQuick.Controls

// The first screen, the saved and found computers. The list comes with the
// remote models; until then the screen stands empty.
Page {
    objectName: "remotesPage"
    title: qsTrId("Computers")
    background: Rectangle {
        color: "#101114"
    }
}
