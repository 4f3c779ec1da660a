import QtQuick
import QtQuick.Controls
import Pacelog

// The look every table row shares: a light rounded cell with a black border and black text.
// With `deletable` a swipe to the left reveals the red "delete" action.
SwipeDelegate {
    id: cell
    property bool deletable: false
    signal deleteTapped()

    padding: 12
    verticalPadding: 8
    background: Rectangle {
        radius: Look.buttonRadius
        border.width: Look.buttonBorder
        border.color: Look.border
        color: cell.down ? Qt.darker(Look.cellBackground, 1.06) : Look.cellBackground
    }
    swipe.enabled: cell.deletable
    swipe.right: Button {
        objectName: "delete"
        text: "delete"
        height: cell.height
        anchors.right: parent.right
        flat: true
        contentItem: Label {
            text: "delete"
            color: "white"
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle { radius: Look.buttonRadius; color: Look.destructive }
        onClicked: cell.deleteTapped()
    }

    // A tap on a row with its action showing closes the action instead of opening the row.
    function tapped() {
        if (swipe.position === 0)
            return true
        swipe.close()
        return false
    }

    // A recycled row starts closed and visible.
    ListView.onReused: { cell.swipe.close(); cell.opacity = 1 }
}
