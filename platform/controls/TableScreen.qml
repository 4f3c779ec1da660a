import QtQuick
import QtQuick.Controls
import Pacelog

// A screen that is one table: the rows of `model` drawn by `delegate` (a TableCell,
// SubtitleTableCell or another SwipeCell) under a section header that stays on top.
ScreenPage {
    id: screen
    property alias model: tableView.model
    property alias delegate: tableView.delegate
    property alias tableView: tableView
    property string headerText
    property color headerColor: "black"

    ListView {
        id: tableView
        objectName: "tableView"
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        spacing: 6
        reuseItems: true
        boundsBehavior: Flickable.StopAtBounds
        headerPositioning: ListView.OverlayHeader
        header: Label {
            objectName: "header"
            z: 2
            width: tableView.width
            visible: text.length > 0
            height: visible ? implicitHeight : 0
            topPadding: 6
            bottomPadding: 6
            text: screen.headerText
            horizontalAlignment: Text.AlignHCenter
            font.bold: true
            color: screen.headerColor
            background: Rectangle { color: "white" }
        }
        // A deleted row fades out; the rows below close the gap.
        remove: Transition {
            NumberAnimation { property: "opacity"; to: 0; duration: 250 }
        }
        displaced: Transition {
            NumberAnimation { property: "y"; duration: 200 }
        }
        ScrollIndicator.vertical: ScrollIndicator {}
    }
}
