import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The sessions of the picked month: read-only two-line rows.
ScreenPage {
    id: page
    objectName: "DailyTableViewController"
    title: "Days"
    readonly property alias controller: controller

    DailyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = page.palette.window.hslLightness < 0.5
        controller.viewDidLoad()
    }

    ListView {
        objectName: "tableView"
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        spacing: 6
        model: controller.resultsDaily
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
        delegate: Rectangle {
            id: cell
            required property string textLabel
            required property string detailTextLabel
            width: ListView.view.width
            implicitHeight: lines.implicitHeight + 16
            radius: Look.buttonRadius
            border.width: Look.buttonBorder
            border.color: Look.border
            color: Look.cellBackground
            ColumnLayout {
                id: lines
                anchors.fill: parent
                anchors.margins: 8
                spacing: 2
                Label { objectName: "textLabel"; text: cell.textLabel; color: "black"; font.bold: true }
                Label {
                    objectName: "detailTextLabel"
                    Layout.fillWidth: true
                    text: cell.detailTextLabel
                    color: "black"
                    font.pixelSize: 12
                    elide: Text.ElideRight
                }
            }
        }
        ScrollIndicator.vertical: ScrollIndicator {}
    }
}
