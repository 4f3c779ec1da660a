import QtQuick
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "ExportLocationsViewController"
    title: "Export Places"
    readonly property alias controller: controller

    ExportLocationsViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Look.margin
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            PaceButton {
                objectName: "CreateFileButton"
                Layout.fillWidth: true
                outlet: controller.CreateFileButton
                onClicked: controller.CreateTextFile()
            }
            PaceButton {
                objectName: "EmailFileButton"
                Layout.fillWidth: true
                outlet: controller.EmailFileButton
                onClicked: controller.EmailFile()
            }
        }
        PaceTextView {
            name: "TextView"
            caption: "Places file"
            Layout.fillWidth: true
            Layout.fillHeight: true
            outlet: controller.TextView
        }
    }
}
