import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "ImportViewController2"
    title: "Import"
    readonly property alias controller: controller

    ImportViewController2 { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    DocumentPickerDialog {}

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Look.margin
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            PaceButton {
                objectName: "LoadFileButton"
                Layout.fillWidth: true
                outlet: controller.LoadFileButton
                onClicked: controller.LoadFile()
            }
            PaceButton {
                objectName: "ImportButton"
                Layout.fillWidth: true
                outlet: controller.ImportButton
                onClicked: controller.ImportTextFile()
            }
        }
        PaceTextView {
            name: "HelpTextView"
            borderColor: Look.dark ? "white" : Look.border
            caption: "Help"
            Layout.fillWidth: true
            Layout.preferredHeight: 100
            outlet: controller.HelpTextView
            wrapMode: TextEdit.Wrap
            fontSize: 14
        }
        Label {
            objectName: "ProgressLabel"
            Layout.fillWidth: true
            text: controller.ProgressLabel.text
            visible: text.length > 0
        }
        Label {
            objectName: "CountsLabel"
            Layout.fillWidth: true
            text: controller.CountsLabel.text
            wrapMode: Text.WordWrap
            visible: text.length > 0
        }
        PaceTextView {
            name: "ImportTextView"
            // In the dark appearance the file's text is white on the page's dark ground.
            textColor: Look.dark ? "white" : "black"
            backgroundColor: Look.dark ? Look.pageBackground : "white"
            borderColor: Look.dark ? "white" : Look.border
            caption: "Import file"
            Layout.fillWidth: true
            Layout.fillHeight: true
            outlet: controller.ImportTextView

            BusyIndicator {
                objectName: "ActivitySpinner"
                anchors.centerIn: parent
                running: !controller.ActivitySpinner.hidden
                visible: running
            }
        }
    }
}
