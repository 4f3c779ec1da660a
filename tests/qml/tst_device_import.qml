import QtQuick
import QtTest
import Pacelog
import PacelogTest

// Device files: pick a watch's files, read the preview row by row, let other sports in, store
// the new sessions and find them in the store; the same files again add nothing.
AppTestCase {
    name: "DeviceImport"

    function init() {
        toMenu()
        TestStore.removeAll("UserData")
        TestStore.setSetting("Distance", "Miles")
        AppState.distanceUnit = "Miles"
    }

    function openDeviceImport() {
        toMenu()
        const entryButton = findChild(app, "ImportExportButton")
        tryVerify(() => entryButton.opacity === 0 || entryButton.opacity === 1, 3000)
        const exchange = open("ImportExportButton", "DataExchangePage")
        mouseClick(findChild(exchange, "showDeviceImport"))
        return shown("DeviceImportPage")
    }

    function tcx(activities) {
        let text = "<TrainingCenterDatabase><Activities>"
        for (const a of activities)
            text += "<Activity Sport=\"" + a[0] + "\"><Id>" + a[1] + "</Id><Lap StartTime=\"" + a[1]
                  + "\"><DistanceMeters>" + a[2] + "</DistanceMeters><Calories>" + a[3]
                  + "</Calories></Lap></Activity>"
        return text + "</Activities></TrainingCenterDatabase>"
    }

    function rowsOf(list) {
        const rows = []
        for (let i = 0; i < list.count; ++i) {
            const r = row(list, i)
            rows.push([r.status, r.reason, r.sport, r.date, r.distance, r.calories].join("|"))
        }
        return rows
    }

    function test_previewThenImport() {
        TestStore.addSession(2024, 3, 5, "300", "3.1")
        const run = TestStore.writeFile("watch/a.tcx", tcx([
            ["Running", "2024-03-05T11:30:00Z", "5000", "300"],
            ["Running", "2024-03-07T11:30:00Z", "8000", "500"]]))
        const ride = TestStore.writeFile("watch/b.gpx",
            "<gpx><trk><type>cycling</type><trkseg>"
            + "<trkpt lat=\"0\" lon=\"0\"><time>2024-03-08T12:00:00Z</time></trkpt>"
            + "<trkpt lat=\"0\" lon=\"0.1\"><time>2024-03-08T12:30:00Z</time></trkpt>"
            + "</trkseg></trk></gpx>")
        const notes = TestStore.writeFile("watch/c.txt", "shopping list")
        TestStore.setEnvironment("PACELOG_OPEN_FILES", [run, ride, notes].join(":"))

        const page = openDeviceImport()
        const importButton = findChild(page, "importSelected")
        const list = findChild(page, "previewList")
        verify(!importButton.enabled, "nothing to import before a file is picked")
        compare(list.count, 0)

        mouseClick(findChild(page, "LoadFileButton"))
        tryCompare(list, "count", 4, 5000)
        compare(rowsOf(list), [
            "duplicate|already stored|running|Mar 5, 2024|3.107|300",
            "new||running|Mar 7, 2024|4.971|500",
            "skipped|cycling|cycling|Mar 8, 2024|6.909|0",
            "refused|not a FIT, TCX or GPX file||||"])
        verify(importButton.enabled)

        const allSports = findChild(page, "allSports")
        verify(!allSports.checked)
        mouseClick(allSports)
        tryCompare(row(list, 2), "status", "new")
        compare(TestStore.count("UserData"), 1, "nothing is stored before the import")

        mouseClick(importButton)
        tryCompare(findChild(page, "CountsLabel"), "text", "Stored: 2", 5000)
        const stored = TestStore.records("UserData")
        compare(stored.length, 3)
        const added = stored.filter(s => s.date === "Mar 7, 2024")[0]
        compare([added.calories, added.fatCalories, added.distance, added.laps, added.year,
                 added.iyear, added.imonth, added.iday],
                ["500", "155.85983", "4.971", "19.88", "2024", 2024, 3, 7])
        tryCompare(row(list, 1), "status", "duplicate")
        verify(!importButton.enabled, "what was new is stored now")
        const bar = findChild(app, "undoBar")
        tryVerify(() => bar.visible, 2000, "the page offers the import back")
        verify(findChild(page, "undoBar") === bar)

        // The same files again, as their folder: every session is already stored.
        TestStore.setEnvironment("PACELOG_OPEN_FILES", TestStore.dataDirectory() + "/watch")
        const again = openDeviceImport()
        const againList = findChild(again, "previewList")
        mouseClick(findChild(again, "LoadFolderButton"))
        tryCompare(againList, "count", 4, 5000)
        compare(rowsOf(againList).filter(r => r.startsWith("new")).length, 0)
        verify(!findChild(again, "importSelected").enabled)
        compare(TestStore.count("UserData"), 3)
        verify(!bar.visible, "the offer ended with the page")
    }
}
