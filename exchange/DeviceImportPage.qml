import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// Sessions from the files watches, treadmills and training platforms write: pick, preview,
// then store the new ones.
ScreenPage {
    id: page
    objectName: "DeviceImportPage"
    title: "Import from Devices"
    readonly property alias controller: controller

    DeviceImportViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    DocumentPickerDialog {}
    FolderPickerDialog {}

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Look.margin
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            PaceButton {
                objectName: "LoadFileButton"
                Layout.fillWidth: true
                outlet: controller.LoadFileButton
                Accessible.name: text
                onClicked: controller.LoadFile()
            }
            PaceButton {
                objectName: "LoadFolderButton"
                Layout.fillWidth: true
                outlet: controller.LoadFolderButton
                Accessible.name: text
                onClicked: controller.LoadFolder()
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Label {
                Layout.fillWidth: true
                text: controller.allSports.text
                wrapMode: Text.WordWrap
            }
            PaceSwitch {
                objectName: "allSports"
                outlet: controller.allSports
                enabled: controller.allSports.enabled
                Accessible.name: controller.allSports.text
                onFlipped: controller.allSportsToggled()
            }
        }
        Label {
            objectName: "ProgressLabel"
            Layout.fillWidth: true
            text: controller.ProgressLabel.text
            wrapMode: Text.WordWrap
            visible: text.length > 0
        }
        Label {
            objectName: "CountsLabel"
            Layout.fillWidth: true
            text: controller.CountsLabel.text
            wrapMode: Text.WordWrap
            visible: text.length > 0
        }
        BusyIndicator {
            objectName: "ActivitySpinner"
            Layout.alignment: Qt.AlignHCenter
            running: !controller.ActivitySpinner.hidden
            visible: running
        }
        ListView {
            id: list
            objectName: "previewList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 4
            model: controller.previewRows
            activeFocusOnTab: true
            keyNavigationEnabled: true
            Accessible.role: Accessible.List
            Accessible.name: "Sessions found"
            ScrollBar.vertical: ScrollBar {}
            highlight: Rectangle { color: "transparent"; border.color: Look.border; border.width: 2; radius: 4 }

            delegate: ItemDelegate {
                id: row
                required property int index
                required property string status
                required property string reason
                required property string sport
                required property string date
                required property string distance
                required property string calories
                required property string file
                width: ListView.view.width
                text: row.status === "refused" ? row.file : row.date + "  " + row.sport
                Accessible.role: Accessible.ListItem
                Accessible.name: row.status + ", " + (row.status === "refused"
                    ? row.file + ", " + row.reason
                    : row.date + ", " + row.sport + ", " + row.distance + ", " + row.calories
                      + " calories" + (row.reason.length > 0 ? ", " + row.reason : ""))
                onClicked: row.ListView.view.currentIndex = row.index
                contentItem: ColumnLayout {
                    spacing: 2
                    Label {
                        objectName: "textLabel"
                        Layout.fillWidth: true
                        text: row.text
                        font.bold: true
                        elide: Text.ElideRight
                    }
                    Label {
                        objectName: "detailTextLabel"
                        Layout.fillWidth: true
                        text: row.status === "refused"
                              ? row.status + ": " + row.reason
                              : row.distance + "  ·  " + row.calories + " kcal  ·  " + row.status
                                + (row.reason.length > 0 ? " (" + row.reason + ")" : "")
                        font.pixelSize: 12
                        elide: Text.ElideRight
                    }
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            PaceButton {
                objectName: "importSelected"
                Layout.fillWidth: true
                outlet: controller.importSelected
                Accessible.name: text
                onClicked: controller.storeNewSessions()
            }
            PaceButton {
                objectName: "cancelImport"
                Layout.fillWidth: true
                outlet: controller.cancelImport
                Accessible.name: text
                onClicked: controller.cancel()
            }
        }
    }
}
