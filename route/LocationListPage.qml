pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

TableScreen {
    id: page
    objectName: "LocationTableViewController"
    title: "Locations"
    readonly property alias controller: controller

    LocationTableViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()
    onAppearing: controller.viewWillAppear()

    // The leg selector in the bar above the list, with the add control beside it.
    header: ToolBar {
        background: Rectangle { color: "#f7f7f7" }
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 8
            RowLayout {
                id: segment
                objectName: "segment"
                readonly property int currentIndex: controller.selectedSegmentIndex
                readonly property color tint: Qt.rgba(0, 0.15, 0.65, 1)
                Layout.fillWidth: true
                spacing: 0
                Repeater {
                    model: controller.segmentItems
                    PlainButton {
                        id: legButton
                        required property string modelData
                        required property int index
                        objectName: modelData
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1 // four equal parts
                        implicitHeight: 34
                        flat: true
                        font.capitalization: Font.MixedCase
                        // One choice of the leg selector, announced with whether it is chosen.
                        Accessible.ignored: true
                        AccessibleStandIn {
                            Accessible.role: Accessible.RadioButton
                            Accessible.name: legButton.modelData
                            Accessible.checkable: true
                            Accessible.checked: legButton.index === segment.currentIndex
                            Accessible.onToggleAction: legButton.clicked()
                            Accessible.onPressAction: legButton.clicked()
                        }
                        contentItem: Label {
                            text: legButton.modelData
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            color: legButton.index === segment.currentIndex ? "white" : segment.tint
                        }
                        background: Rectangle {
                            border.width: 1
                            border.color: segment.tint
                            color: legButton.index === segment.currentIndex ? segment.tint : "white"
                        }
                        onClicked: page.controller.segmentedControlActionWithSender(legButton.index)
                    }
                }
            }
            PaceToolButton {
                objectName: "addLocation"
                text: "+"
                Accessible.name: "Add place"
                textColor: "#1565c0"
                textSize: 26
                onClicked: controller.addLocation()
            }
        }
    }

    headerText: controller.titleForHeader
    model: controller.LocationList
    delegate: SubtitleTableCell {
        id: cell
        required property int index
        required property string textLabel
        required property string detailTextLabel
        width: page.tableView.width
        text: cell.textLabel
        detailText: cell.detailTextLabel
        deletable: true
        onClicked: if (cell.tapped()) page.controller.selectRow(cell.index)
        onDeleteTapped: page.controller.deleteRow(cell.index)
    }
}
