pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Pacelog

// The journey: the forecast above the cities and places reached, grouped by leg, oldest first.
TableScreen {
    id: page
    objectName: "JourneyViewController"
    title: "Journey"
    readonly property alias controller: controller

    JourneyViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    aboveTable: Label {
        objectName: "forecastLabel"
        text: controller.forecastLabel.text
        visible: text.length > 0
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 15
        color: Look.text
        topPadding: 4
        bottomPadding: 8
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    model: controller.JourneyList
    // Each leg's stops under its caption.
    delegate: Column {
        id: entry
        required property string textLabel
        required property string detailTextLabel
        required property string leg
        required property bool firstOfLeg
        width: page.tableView.width
        spacing: 6
        Label {
            objectName: "legHeader"
            visible: entry.firstOfLeg
            text: entry.leg
            font.bold: true
            topPadding: 4
            color: Look.text
        }
        SubtitleTableCell {
            width: entry.width
            text: entry.textLabel
            detailText: entry.detailTextLabel
        }
    }
}
