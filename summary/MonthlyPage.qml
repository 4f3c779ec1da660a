import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The twelve months of the picked year: a chart of the months above one row per month. A
// row or a bar opens that month's sessions.
ScreenPage {
    id: page
    objectName: "MonthlyTableViewController"
    title: "Months"
    segues: ({ "showDaily": Qt.resolvedUrl("DailyPage.qml") })
    readonly property alias controller: controller

    MonthlyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = page.palette.window.hslLightness < 0.5
        controller.viewDidLoad()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 8
        BarChart {
            objectName: "monthChart"
            Layout.fillWidth: true
            Layout.preferredHeight: 180
            caption: controller.chartCaption
            model: controller.monthBars
            onBarTapped: row => controller.selectRow(row)
        }
        ListView {
            objectName: "tableView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            model: controller.monthRows
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
                required property string milesLabel
                width: ListView.view.width
                background: Rectangle {
                    radius: Look.buttonRadius
                    border.width: Look.buttonBorder
                    border.color: Look.border
                    color: cell.down ? Qt.darker(Look.cellBackground, 1.06) : Look.cellBackground
                }
                contentItem: RowLayout {
                    Label {
                        objectName: "DateLabel"
                        Layout.fillWidth: true
                        text: cell.dateLabel
                        color: "black"
                    }
                    Label {
                        objectName: "MilesLabel"
                        text: cell.milesLabel
                        color: "black"
                    }
                }
                onClicked: controller.selectRow(index)
            }
            ScrollIndicator.vertical: ScrollIndicator {}
        }
    }
}
