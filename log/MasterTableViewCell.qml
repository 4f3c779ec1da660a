import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// One session row: the date line over the figures line, with the trailing "delete" action.
SwipeCell {
    id: cell
    required property int index
    required property string firstLabel
    required property string secondLabel
    deletable: true
    sentence: firstLabel + ", " + secondLabel

    contentItem: ColumnLayout {
        spacing: 2
        Label {
            objectName: "FirstLabel"
            Layout.fillWidth: true
            text: cell.firstLabel
            font.bold: true
            elide: Text.ElideRight
            color: Look.cellText
        }
        Label {
            objectName: "SecondLabel"
            Layout.fillWidth: true
            text: cell.secondLabel
            font.pixelSize: 12
            elide: Text.ElideRight
            color: Look.cellText
        }
    }
}
