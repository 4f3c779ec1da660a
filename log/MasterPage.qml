pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

TableScreen {
    id: page
    objectName: "MasterViewController"
    title: "Sessions"
    readonly property alias controller: controller

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
            PaceToolButton {
                objectName: "SortButtonTapped"
                text: controller.SortAsc ? "Sort \u2191" : "Sort \u2193"
                Accessible.name: "Sort"
                Accessible.description: controller.SortAsc ? "ascending" : "descending"
                onClicked: controller.SortButtonTapped()
            }
        }
    }

    headerText: controller.titleForHeader
    model: controller.DailyList
    delegate: MasterTableViewCell {
        width: page.tableView.width
        onClicked: if (tapped()) controller.selectRow(index)
        onDeleteTapped: controller.deleteRow(index)
    }
}
