import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// One session row: the date line and the figures line on the light rounded cell, with a
// trailing swipe that reveals the destructive "delete" action.
SwipeDelegate {
    id: cell
    required property int index
    required property string firstLabel
    required property string secondLabel
    property bool darkMode: false
    signal deleteTapped()

    padding: 12
    verticalPadding: 8
    background: Rectangle {
        radius: Look.buttonRadius
        border.width: Look.buttonBorder
        border.color: Look.border
        color: cell.down ? Qt.darker(Look.cellBackground, 1.06) : Look.cellBackground
    }

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

    swipe.right: Button {
        objectName: "delete"
        text: "delete"
        height: cell.height
        anchors.right: parent.right
        flat: true
        palette.buttonText: "white"
        contentItem: Label {
            text: "delete"
            color: "white"
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle { radius: Look.buttonRadius; color: "#e53935" }
        onClicked: cell.deleteTapped()
    }

    // A recycled row starts closed and visible.
    ListView.onReused: { swipe.close(); opacity = 1 }
}
