import QtQuick
import Pacelog

ScreenPage {
    id: page
    objectName: "LocationViewController"
    title: "Add Location"
    readonly property alias controller: controller

    LocationViewController { id: controller }

    PlaceForm {
        anchors.fill: parent
        nameOutlet: controller.CityNameTextField
        latitudeOutlet: controller.LatitudeTextField
        longitudeOutlet: controller.LongitudeTextField
        fromCityOutlet: controller.FromCityTextField
        milesOutlet: controller.MileFromTextField
        milesName: "MileFromTextField"
        legKeys: controller.Cities
        onLegPicked: (row) => controller.pickerViewDidSelectRow(row)
        onSave: controller.SaveLocation()
    }
}
