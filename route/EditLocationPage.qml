import QtQuick
import Pacelog

ScreenPage {
    id: page
    objectName: "EditLocationViewController"
    title: "Edit Location"
    readonly property alias controller: controller

    EditLocationViewController {
        id: controller
        detailItem: page.detailItem
    }
    Component.onCompleted: controller.viewDidLoad()

    PlaceForm {
        anchors.fill: parent
        nameOutlet: controller.CityNameTextField
        latitudeOutlet: controller.LatitudeTextField
        longitudeOutlet: controller.LongitudeTextField
        fromCityOutlet: controller.FromCityTextField
        milesOutlet: controller.MilesFromTextField
        milesName: "MilesFromTextField"
        onSave: controller.SaveLocation()
    }
}
