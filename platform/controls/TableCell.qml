import QtQuick
import QtQuick.Controls
import Pacelog

// A one-line table row: `textLabel`.
SwipeCell {
    id: cell
    contentItem: Label {
        objectName: "textLabel"
        text: cell.text
        elide: Text.ElideRight
        color: Look.cellText
    }
}
