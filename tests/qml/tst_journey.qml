import QtQuick
import QtTest
import Pacelog
import PacelogTest

// The journey from the menu's less used entries: the places reached with the day each was
// reached, the forecast in the unit chosen, and the same forecast under the map's progress line.
AppTestCase {
    name: "Journey"

    function cleanup() {
        TestStore.setClock("")
    }

    function rowTexts(table) {
        const texts = []
        for (let i = 0; i < table.count; ++i) {
            const item = row(table, i)
            texts.push(findChild(item, "textLabel").text + " / " + findChild(item, "detailTextLabel").text)
        }
        return texts
    }

    function test_places_reached_and_when_the_next_comes() {
        TestStore.setClock("2026-03-15T10:00:00")
        TestStore.setEnvironment("PACELOG_CACHE_DIR", TestStore.dataDirectory() + "/cache")
        TestStore.removeAll("UserData")
        TestStore.removeAll("Locations")
        TestStore.insert("Locations", { name: "Dinosaur, CO", fromCity: "SLC", latitude: 40.25,
                                        longitude: -109.0, milesFromSLC: 300 })
        TestStore.insert("Locations", { name: "Halfway, TX", fromCity: "Miami", latitude: 33.0,
                                        longitude: -97.0, milesFromMiami: 1000 })
        // Logged late: the older session comes first all the same.
        TestStore.addSession(2026, 3, 10, "300", "1000")
        TestStore.addSession(2026, 1, 5, "300", "1500")

        let page = open("JourneyButton", "JourneyViewController")
        let table = findChild(page, "tableView")
        compare(rowTexts(table), ["Halfway, TX / Jan 5, 2026", "Salt Lake City, UT / Mar 10, 2026"])
        compare(findChild(page, "forecastLabel").text,
                "At 33.33 mi a day, you reach Dinosaur, CO on Mar 23, 2026")

        // Three more sessions today pass the place; the journey shows it when opened again.
        TestStore.addSession(2026, 3, 15, "300", "100")
        TestStore.addSession(2026, 3, 15, "300", "100")
        TestStore.addSession(2026, 3, 15, "300", "100")
        page = open("JourneyButton", "JourneyViewController")
        table = findChild(page, "tableView")
        compare(rowTexts(table), ["Halfway, TX / Jan 5, 2026", "Salt Lake City, UT / Mar 10, 2026",
                                  "Dinosaur, CO / Mar 15, 2026"])
        compare(findChild(page, "forecastLabel").text,
                "At 43.33 mi a day, you reach Seattle, WA on Mar 27, 2026")

        useUnit(true)
        page = open("JourneyButton", "JourneyViewController")
        const forecast = findChild(page, "forecastLabel").text
        compare(forecast, "At 43.33 km a day, you reach Seattle, WA on Mar 27, 2026")

        const map = open("MapButton", "MapViewController")
        compare(findChild(map, "forecastLabel").text, forecast, "the map says the same")
        useUnit(false)
    }

    function test_nothing_logged_lately() {
        TestStore.setClock("2026-03-15T10:00:00")
        TestStore.removeAll("UserData")
        TestStore.removeAll("Locations")
        TestStore.addSession(2025, 6, 1, "300", "2000")
        const page = open("JourneyButton", "JourneyViewController")
        compare(findChild(page, "tableView").count, 0, "no place on the route, no city yet")
        compare(findChild(page, "forecastLabel").text,
                "Log a session to see when you reach Salt Lake City, UT")
    }
}
