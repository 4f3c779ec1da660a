pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The yearly summary: a chart of the years above one row per year. A row or a bar opens that
// year's months.
TableScreen {
    id: page
    objectName: "YearlyTableViewController"
    title: "Distance Summary"
    readonly property alias controller: controller

    YearlyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = Look.dark
        controller.viewDidLoad()
    }

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

    aboveTable: BarChart {
        objectName: "yearChart"
        implicitHeight: 200
        caption: controller.chartCaption
        model: controller.yearBars
        onBarTapped: row => controller.selectRow(row)
    }
    headerText: controller.titleForHeader
    model: controller.YearArray
    delegate: SwipeCell {
        id: cell
        required property int index
        required property string dateLabel
        width: page.tableView.width
        sentence: dateLabel
        contentItem: Label {
            objectName: "DateLabel"
            text: cell.dateLabel
            elide: Text.ElideRight
            color: Look.cellText
        }
        onClicked: controller.selectRow(index)
    }
}
