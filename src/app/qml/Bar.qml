import QtQuick
import QtQuick.Controls
import PlayerLink

// A page's tool bar, above or below its list, on the bars' colour.
ToolBar {
    background: Rectangle {
        color: Theme.bar
    }
}
