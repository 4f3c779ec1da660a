import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "Map"

    function test_map_then_setup_and_back() {
        TestStore.setEnvironment("PACELOG_CACHE_DIR", TestStore.dataDirectory() + "/cache")
        TestStore.addSession(2026, 3, 5, "300", "2000")
        TestStore.addSession(2026, 3, 6, "300", "500")

        const page = open("MapButton", "MapViewController")
        const controller = page.controller
        compare(findChild(page, "MilesToCity").text, "Miles from SLC 57 : 783 To Seattle")
        const map = findChild(page, "MapView")
        verify(controller.CurrentCity.length > 0, "the built-in places have one ahead")
        compare(map.annotations.length, 1)
        compare(map.annotations[0].title, controller.CurrentCity)
        verify(findChild(map, "attribution").visible)
        verify(findChild(map, "scaleBar").visible)
        verify(findChild(map, "pinTitle").visible)
        // Offline (no tiles, no road routes): the states' outline and the four legs, straight
        // and dashed, none of them among the overlays.
        compare(map.overlays.length, 0)
        compare(findChild(map, "dashedLines").paths.length, 4)
        verify(findChild(map, "stateOutline").paths.length > 100)

        const show = findChild(page, "ShowLocationButton")
        const stop = findChild(page, "StopShowingButton")
        verify(show.enabled && !stop.enabled)
        mouseClick(show)
        verify(!show.enabled && stop.enabled)
        compare(map.annotations.length, 2, "Show adds the pin again")
        tryVerify(() => map.showsUserLocation, 3000)
        tryVerify(() => Math.abs(map.centerLatitude - controller.Latitude) < 1e-6
                  && Math.abs(map.centerLongitude - controller.Longitude) < 1e-6, 3000,
                  "centred on the next place ahead")
        mouseClick(stop)
        verify(show.enabled && !stop.enabled)

        mouseClick(findChild(page, "SetupButton"))
        let setup = shown("MapSetupViewController")
        typeInto(findChild(setup, "StartingCityTextField"), "Miami")
        typeInto(findChild(setup, "StartingCityLatitudeTextField"), "25.761681")
        typeInto(findChild(setup, "City2LongitudeTextField"), "-111.891045")
        mouseClick(findChild(setup, "SaveButtonCicked"))
        shown("MapViewController")
        compare(TestStore.count("MainLocations"), 1)
        compare(TestStore.records("MainLocations")[0].city1Name, "Miami")

        mouseClick(findChild(page, "SetupButton"))
        setup = shown("MapSetupViewController")
        compare(findChild(setup, "StartingCityLatitudeTextField").text, "25.761681")
        compare(findChild(setup, "City2LongitudeTextField").text, "-111.891045")
        compare(findChild(setup, "City3LatitudeTextField").text, "0.000000")
        typeInto(findChild(setup, "City3LatitudeTextField"), "x")
        mouseClick(findChild(setup, "SaveButtonCicked"))
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible, 3000)
        compare(alert.title, "Not a Number")
        verify(alert.text.indexOf("latitude of the city 3") >= 0)
        mouseClick(findChild(app, "OK"))
        tryVerify(() => !alert.visible && !alert.opened, 3000)
        compare(findChild(app, "stack").currentItem, setup, "not saved, still here")

        retype(findChild(setup, "City3LatitudeTextField"), "47.606209")
        mouseClick(findChild(setup, "SaveButtonCicked"))
        shown("MapViewController")
        compare(TestStore.count("MainLocations"), 1, "a second save changes the one record")
        fuzzyCompare(TestStore.records("MainLocations")[0].city3latitude, 47.606209, 1e-5)
        compare(TestStore.records("MainLocations")[0].city1Name, "Miami")
        toMenu()
    }
}
