import QtQuick
import QtQuick.Controls
import Pacelog

// A screen that is one table: the rows of `model` drawn by `delegate` (a TableCell,
// SubtitleTableCell or another SwipeCell) under a section header. An optional `aboveTable`
// (a chart, say) sits above the header and does not scroll with the rows.
// The keyboard reaches the table as one stop: Up and Down move the current row, Enter or Space
// open it and Delete deletes it, as a tap and the swipe's action do.
ScreenPage {
    id: screen
    property alias model: tableView.model
    property Component delegate
    property alias tableView: tableView
    property string headerText
    property color headerColor: "black"
    property Item aboveTable: null

    Item {
        id: above
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 8
        height: screen.aboveTable ? screen.aboveTable.implicitHeight : 0
        data: screen.aboveTable ? [screen.aboveTable] : []
    }
    Binding {
        target: screen.aboveTable
        property: "width"
        value: above.width
        when: screen.aboveTable !== null
    }

    Label {
        id: header
        objectName: "header"
        anchors.top: screen.aboveTable ? above.bottom : parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        visible: text.length > 0
        height: visible ? implicitHeight : 0
        topPadding: 6
        bottomPadding: 6
        text: screen.headerText
        horizontalAlignment: Text.AlignHCenter
        font.bold: true
        color: screen.headerColor
        // In the dark appearance a light strip keeps the black header text readable.
        background: Rectangle { color: Look.dark ? Look.cellBackground : Look.pageBackground }
    }

    ListView {
        id: tableView
        objectName: "tableView"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        clip: true
        spacing: 6
        reuseItems: true
        delegate: screen.delegate
        boundsBehavior: Flickable.StopAtBounds
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Accessible.role: Accessible.List
        Accessible.name: screen.title
        function currentCell() { return tableView.currentItem as SwipeCell }
        // Rows that arrive after the list was made leave it without a current row.
        onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
        Keys.onReturnPressed: tableView.currentCell()?.activate()
        Keys.onEnterPressed: tableView.currentCell()?.activate()
        Keys.onSpacePressed: tableView.currentCell()?.activate()
        Keys.onDeletePressed: tableView.currentCell()?.requestDelete()
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
