pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Pacelog

// The look every table row shares: a light rounded cell with a black border and black text.
// With `deletable` a swipe to the left reveals the red "delete" action. A screen reader reads
// the row as `sentence` (what its labels show) and offers its actions: Press opens it, the
// "Delete" button below it deletes as the swipe does. The list, not the row, takes the
// keyboard's focus; its current row carries the focus ring.
SwipeDelegate {
    id: cell
    property bool deletable: false
    property string sentence: text
    signal deleteTapped()

    // What a tap and the swipe's action do, for the keyboard and the accessibility actions.
    function activate() { cell.clicked() }
    function requestDelete() {
        if (cell.deletable)
            cell.deleteTapped()
    }

    readonly property bool keyboardCurrent: ListView.isCurrentItem && ListView.view !== null
                                            && ListView.view.activeFocus
    focusPolicy: Qt.NoFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: sentence
    Accessible.onPressAction: cell.activate()

    padding: 12
    verticalPadding: 8
    background: Rectangle {
        radius: Look.buttonRadius
        border.width: cell.keyboardCurrent ? Look.focusMarkWidth + 1 : Look.buttonBorder
        border.color: cell.keyboardCurrent ? Look.focusMarkOnCell : Look.border
        color: cell.down ? Qt.darker(Look.cellBackground, 1.06) : Look.cellBackground
    }
    swipe.enabled: cell.deletable
    swipe.right: Button {
        objectName: "delete"
        text: "delete"
        height: cell.height
        anchors.right: parent.right
        flat: true
        focusPolicy: Qt.NoFocus
        Accessible.ignored: true // the row's own "Delete" below stands for it
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

    // The swipe's action for those who cannot swipe: a button of the row in the accessibility
    // tree only (the keyboard's Delete key does the same).
    Item {
        objectName: "deleteAction"
        visible: cell.deletable
        width: 1
        height: 1
        Accessible.role: Accessible.Button
        Accessible.name: "Delete"
        Accessible.onPressAction: cell.requestDelete()
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
