import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "MasterViewController"
    title: "Sessions"
    // Resolved here, beside this page, not where the stack performs the segue.
    segues: ({ "showDetail": Qt.resolvedUrl("DetailPage.qml") })
    unwinds: ["unwindToMenu"]

    MasterViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = Look.dark
        controller.viewDidLoad()
    }
    onAppearing: controller.viewWillAppear()
    StackView.onDeactivated: controller.viewDidDisappear()

    header: ToolBar {
        background: Rectangle { color: Look.barBackground }
        RowLayout {
            anchors.fill: parent
            Item { Layout.fillWidth: true }
            ToolButton {
                id: sortButton
                objectName: "SortButtonTapped"
                text: controller.SortAsc ? "Sort \u2191" : "Sort \u2193"
                contentItem: Label { text: sortButton.text; color: Look.accent; font.pixelSize: 17 }
                onClicked: controller.SortButtonTapped()
            }
        }
    }

    ListView {
        id: tableView
        objectName: "tableView"
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        spacing: 6
        model: controller.DailyList
        reuseItems: true
        boundsBehavior: Flickable.StopAtBounds
        headerPositioning: ListView.OverlayHeader
        header: Label {
            objectName: "header"
            z: 2
            width: ListView.view.width
            topPadding: 6
            bottomPadding: 6
            text: controller.titleForHeader
            horizontalAlignment: Text.AlignHCenter
            font.bold: true
            // A light strip, so the black text the dark appearance asks for stays readable.
            color: "black"
            background: Rectangle { color: Look.cellBackground }
        }
        delegate: MasterTableViewCell {
            width: ListView.view.width
            darkMode: controller.DarkMode
            onClicked: {
                if (swipe.position === 0)
                    controller.selectRow(index)
                else
                    swipe.close()
            }
            onDeleteTapped: controller.deleteRow(index)
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
