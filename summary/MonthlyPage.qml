pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The twelve months of the picked year: a chart of the months above one row per month. A
// row or a bar opens that month's sessions.
TableScreen {
    id: page
    objectName: "MonthlyTableViewController"
    title: "Months"
    readonly property alias controller: controller

    MonthlyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = Look.dark
        controller.viewDidLoad()
    }

    aboveTable: BarChart {
        objectName: "monthChart"
        implicitHeight: 180
        caption: controller.chartCaption
        model: controller.monthBars
        onBarTapped: row => controller.selectRow(row)
    }
    headerText: controller.titleForHeader
    model: controller.monthRows
    delegate: SwipeCell {
        id: cell
        required property int index
        required property string dateLabel
        required property string milesLabel
        width: page.tableView.width
        sentence: dateLabel + ", " + milesLabel
        contentItem: RowLayout {
            Label {
                objectName: "DateLabel"
                Layout.fillWidth: true
                text: cell.dateLabel
                elide: Text.ElideRight
                color: Look.cellText
            }
            Label {
                objectName: "MilesLabel"
                text: cell.milesLabel
                color: Look.cellText
            }
        }
        onClicked: controller.selectRow(index)
    }
}
