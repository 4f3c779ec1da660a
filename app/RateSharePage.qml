pragma ComponentBehavior: Bound
import QtQuick
import Pacelog

TableScreen {
    id: page
    objectName: "RateShareTableViewController"
    title: "Rate & Share"
    readonly property alias controller: controller

    RateShareTableViewController { id: controller }

    model: controller.rowTitles
    delegate: TableCell {
        id: cell
        required property string modelData
        required property int index
        width: page.tableView.width
        text: cell.modelData
        onClicked: page.controller.didSelectRow(cell.index)
    }
}
