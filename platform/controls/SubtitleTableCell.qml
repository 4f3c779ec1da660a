import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// A two-line table row: the bold `textLabel` over the smaller `detailTextLabel`.
SwipeCell {
    id: cell
    property string detailText
    sentence: detailText.length > 0 ? text + ", " + detailText : text
    contentItem: ColumnLayout {
        spacing: 2
        Label {
            objectName: "textLabel"
            Layout.fillWidth: true
            text: cell.text
            font.bold: true
            elide: Text.ElideRight
            color: Look.cellText
        }
        Label {
            objectName: "detailTextLabel"
            Layout.fillWidth: true
            text: cell.detailText
            font.pixelSize: 12
            elide: Text.ElideRight
            color: Look.cellText
        }
    }
}
