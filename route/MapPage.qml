import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The route map: the progress line above the map, Show / Stop / Setup below it.
ScreenPage {
    id: page
    objectName: "MapViewController"
    title: "Route Map"
    readonly property alias controller: controller

    MapViewController {
        id: controller
        onRegionRequested: (latitude, longitude, latitudeSpan, longitudeSpan, animated) =>
            map.setRegion(latitude, longitude, latitudeSpan, longitudeSpan, animated)
    }
    Component.onCompleted: controller.viewDidLoad()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PaceField {
            objectName: "MilesToCity"
            outlet: controller.MilesToCity
            caption: "Progress"
            readOnly: true
            horizontalAlignment: TextInput.AlignHCenter
            Layout.fillWidth: true
            Layout.margins: 8
        }

        Label {
            objectName: "forecastLabel"
            text: controller.forecastLabel.text
            visible: text.length > 0
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            color: Look.text
            Layout.fillWidth: true
            Layout.leftMargin: 8
            Layout.rightMargin: 8
            Layout.bottomMargin: 8
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        MapView {
            id: map
            objectName: "MapView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            annotations: controller.annotations
            overlays: controller.overlays
            // Straight and dashed until the road routes arrive.
            dashedLines: controller.plannedLegs
            showsUserLocation: controller.showsUserLocation
            userLatitude: controller.userLatitude
            userLongitude: controller.userLongitude
            userLocationKnown: controller.userLocationKnown
            // Read as the progress line and the next place's pin.
            Accessible.name: "Route map, " + controller.MilesToCity.text
            Accessible.description: map.annotations.length > 0 ? "Next place: " + map.annotations[0].title : ""
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 8
            spacing: 8
            PaceButton {
                objectName: "ShowLocationButton"
                outlet: controller.ShowLocationButton
                Layout.fillWidth: true
                onClicked: controller.ShowLocationButtonTapped()
            }
            PaceButton {
                objectName: "StopShowingButton"
                outlet: controller.StopShowingButton
                Layout.fillWidth: true
                onClicked: controller.StopShowingLocationButtonTapped()
            }
            PaceButton {
                objectName: "SetupButton"
                outlet: controller.SetupButton
                Layout.fillWidth: true
                onClicked: Navigator.performSegue("showSetup")
            }
        }
    }
}
