import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "DataImporterViewController"
    title: "Sample Data"
    readonly property alias controller: controller

    DataImporterViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Look.margin
        spacing: 10

        PaceButton {
            objectName: "ImportData"
            Layout.fillWidth: true
            text: "Import Sample Data"
            onClicked: controller.ImportData()
        }
        Label {
            objectName: "BackupLabel"
            Layout.fillWidth: true
            text: controller.BackupLabel.text
            wrapMode: Text.WrapAnywhere
            visible: text.length > 0
        }
        PaceTextView {
            name: "textViewer"
            caption: "Sample data"
            Layout.fillWidth: true
            Layout.fillHeight: true
            outlet: controller.textViewer
        }
    }
}
