import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The route set-up: five rows of city name, latitude and longitude, and Save.
ScreenPage {
    id: page
    objectName: "MapSetupViewController"
    title: "Route Setup"
    readonly property alias controller: controller

    MapSetupViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    component CityRow: ColumnLayout {
        id: row
        property string caption
        property string fieldName
        property Outlet nameOutlet
        property Outlet latitudeOutlet
        property Outlet longitudeOutlet
        Layout.fillWidth: true
        spacing: 4
        Label { text: row.caption; font.bold: true; Layout.topMargin: 8 }
        PaceField {
            objectName: row.fieldName + "TextField"
            outlet: row.nameOutlet
            placeholderText: "City name"
            caption: row.caption + " name"
            inputMethodHints: Qt.ImhNone
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            PaceField {
                objectName: row.fieldName + "LatitudeTextField"
                outlet: row.latitudeOutlet
                placeholderText: "Latitude"
                caption: row.caption + " latitude"
                Layout.fillWidth: true
            }
            PaceField {
                objectName: row.fieldName + "LongitudeTextField"
                outlet: row.longitudeOutlet
                placeholderText: "Longitude"
                caption: row.caption + " longitude"
                Layout.fillWidth: true
            }
        }
    }

    // A tap outside the fields ends editing.
    TapHandler { onTapped: page.forceActiveFocus() }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Look.margin
        clip: true
        ColumnLayout {
            id: column
            x: Look.margin
            y: Look.margin
            width: page.width - 2 * Look.margin
            spacing: 4

            CityRow {
                caption: "Starting city"
                fieldName: "StartingCity"
                nameOutlet: controller.StartingCityTextField
                latitudeOutlet: controller.StartingCityLatitudeTextField
                longitudeOutlet: controller.StartingCityLongitudeTextField
            }
            CityRow {
                caption: "City 2"
                fieldName: "City2"
                nameOutlet: controller.City2TextField
                latitudeOutlet: controller.City2LatitudeTextField
                longitudeOutlet: controller.City2LongitudeTextField
            }
            CityRow {
                caption: "City 3"
                fieldName: "City3"
                nameOutlet: controller.City3TextField
                latitudeOutlet: controller.City3LatitudeTextField
                longitudeOutlet: controller.City3LongitudeTextField
            }
            CityRow {
                caption: "City 4"
                fieldName: "City4"
                nameOutlet: controller.City4TextField
                latitudeOutlet: controller.City4LatitudeTextField
                longitudeOutlet: controller.City4LongitudeTextField
            }
            CityRow {
                caption: "Finishing city"
                fieldName: "FinishingCity"
                nameOutlet: controller.FinishingCityTextField
                latitudeOutlet: controller.FinishingCityLatitudeTextField
                longitudeOutlet: controller.FinishingCityLongitudeTextField
            }
            PaceButton {
                objectName: "SaveButtonCicked"
                text: "Save"
                Layout.fillWidth: true
                Layout.topMargin: 12
                onClicked: controller.SaveButtonCicked()
            }
        }
    }
}
