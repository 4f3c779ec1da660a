import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "Places"

    function placesOf(leg) {
        return TestStore.records("Locations").filter(p => p.fromCity === leg)
    }

    function test_add_edit_delete() {
        const page = open("LocationListButton", "LocationTableViewController")
        const table = findChild(page, "tableView")
        const segment = findChild(page, "segment")
        compare(segment.currentIndex, 0, "no sessions: the Miami leg")
        mouseClick(findChild(segment, "SLC"))
        const slc = placesOf("SLC").length
        tryCompare(table, "count", slc)

        // Add a place just past Salt Lake City, picking the leg.
        mouseClick(findChild(page, "addLocation"))
        const add = shown("LocationViewController")
        typeInto(findChild(add, "CityNameTextField"), "Lake Point")
        typeInto(findChild(add, "LatitudeTextField"), "40.68")
        typeInto(findChild(add, "LongitudeTextField"), "-112.26")
        typeInto(findChild(add, "MileFromTextField"), "0.5")
        mouseClick(findChild(add, "FromCityTextField"))
        const picker = findChild(add, "CityPickerView")
        tryVerify(() => picker.opened)
        mouseClick(findChild(picker.contentItem, "SLC"))
        tryVerify(() => !picker.visible)
        compare(findChild(add, "FromCityTextField").text, "SLC")
        mouseClick(findChild(add, "SaveLocation"))
        compare(shown("LocationTableViewController"), page, "back on the list")

        tryCompare(table, "count", slc + 1)
        compare(findChild(page, "header").text, "Total # of Locations: " + (slc + 1))
        compare(findChild(row(table, 0), "textLabel").text, "From: SLC To: Lake Point")
        compare(findChild(row(table, 0), "detailTextLabel").text,
                "Lat: 40.68 Long: -112.26 Miles From: 0.5")

        // Correct its name.
        mouseClick(row(table, 0))
        const edit = shown("EditLocationViewController")
        compare(findChild(edit, "MilesFromTextField").text, "0.5")
        retype(findChild(edit, "CityNameTextField"), "Lake Point, UT")
        mouseClick(findChild(edit, "SaveLocation"))
        compare(shown("LocationTableViewController"), page, "back on the list")
        tryCompare(findChild(row(table, 0), "textLabel"), "text", "From: SLC To: Lake Point, UT")
        compare(placesOf("SLC").filter(p => p.name === "Lake Point, UT").length, 1)

        // Delete it with the row's swipe action.
        const first = row(table, 0)
        mouseDrag(first, first.width - 20, first.height / 2, -first.width / 2, 0)
        const remove = findChild(first, "delete")
        tryVerify(() => remove !== null && remove.visible, 2000)
        mouseClick(remove)
        tryCompare(table, "count", slc)
        compare(findChild(page, "header").text, "Total # of Locations: " + slc)
        compare(placesOf("SLC").filter(p => p.name === "Lake Point, UT").length, 0)
    }
}
