import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "ExportViewController"
    title: "Export"
    readonly property alias controller: controller

    ExportViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Look.margin
        spacing: 10

        PaceButton {
            objectName: "ExportButton"
            Layout.fillWidth: true
            outlet: controller.ExportButton
            onClicked: controller.CreateUpdateFile()
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            PaceButton {
                objectName: "SaveButton"
                Layout.fillWidth: true
                outlet: controller.SaveButton
                onClicked: controller.SaveToFiles()
            }
            PaceButton {
                objectName: "EmailButton"
                Layout.fillWidth: true
                outlet: controller.EmailButton
                onClicked: controller.WriteTextFile()
            }
        }
        PaceButton {
            objectName: "SpreadsheetButton"
            Layout.fillWidth: true
            outlet: controller.SpreadsheetButton
            Accessible.name: text
            onClicked: controller.SaveSpreadsheet()
        }
        PaceTextView {
            name: "HelpTextView"
            borderColor: Look.dark ? "white" : Look.border
            caption: "Help"
            Layout.fillWidth: true
            Layout.preferredHeight: 130
            outlet: controller.HelpTextView
            wrapMode: TextEdit.Wrap
            fontSize: 14
        }
        PaceTextView {
            id: exportView
            name: "ExportTextView"
            // In the dark appearance the file's text is white on the page's dark ground.
            textColor: Look.dark ? "white" : "black"
            backgroundColor: Look.dark ? Look.pageBackground : "white"
            borderColor: Look.dark ? "white" : Look.border
            caption: "Export file"
            Layout.fillWidth: true
            Layout.fillHeight: true
            outlet: controller.ExportTextView

            BusyIndicator {
                objectName: "ActivitySpinner"
                anchors.centerIn: parent
                running: !controller.ActivitySpinner.hidden
                visible: running
            }
        }
    }
}
