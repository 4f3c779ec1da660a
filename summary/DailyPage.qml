pragma ComponentBehavior: Bound
import QtQuick
import Pacelog

// The sessions of the picked month: read-only two-line rows that neither open nor swipe.
TableScreen {
    id: page
    objectName: "DailyTableViewController"
    title: "Days"
    readonly property alias controller: controller

    DailyTableViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = Look.dark
        controller.viewDidLoad()
    }

    headerText: controller.titleForHeader
    model: controller.resultsDaily
    delegate: SubtitleTableCell {
        required property string textLabel
        required property string detailTextLabel
        width: page.tableView.width
        text: textLabel
        detailText: detailTextLabel
    }
}
