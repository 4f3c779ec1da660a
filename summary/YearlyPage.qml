import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The yearly summary: a chart of the years above one row per year. A row or a bar opens that
// year's months.
ScreenPage {
    id: page
    objectName: "YearlyTableViewController"
    title: "Distance Summary"
    segues: ({ "showMonthly": Qt.resolvedUrl("MonthlyPage.qml") })
    readonly property alias controller: controller

    YearlyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = page.palette.window.hslLightness < 0.5
        controller.viewDidLoad()
    }

    header: ToolBar {
        background: Rectangle { color: "#f7f7f7" }
        RowLayout {
            anchors.fill: parent
            Item { Layout.fillWidth: true }
            ToolButton {
                objectName: "SortButtonTapped"
                text: controller.SortAsc ? "Sort \u2191" : "Sort \u2193"
                onClicked: controller.SortButtonTapped()
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 8
        BarChart {
            objectName: "yearChart"
            Layout.fillWidth: true
            Layout.preferredHeight: 200
            caption: controller.chartCaption
            model: controller.yearBars
            onBarTapped: row => controller.selectRow(row)
        }
        ListView {
            id: tableView
            objectName: "tableView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            model: controller.YearArray
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
                color: "black"
                background: Rectangle { color: "white" }
            }
            delegate: ItemDelegate {
                id: cell
                required property int index
                required property string dateLabel
                width: ListView.view.width
                background: Rectangle {
                    radius: Look.buttonRadius
                    border.width: Look.buttonBorder
                    border.color: Look.border
                    color: cell.down ? Qt.darker(Look.cellBackground, 1.06) : Look.cellBackground
                }
                contentItem: Label {
                    objectName: "DateLabel"
                    text: cell.dateLabel
                    color: "black"
                }
                onClicked: controller.selectRow(index)
            }
            ScrollIndicator.vertical: ScrollIndicator {}
        }
    }
}
