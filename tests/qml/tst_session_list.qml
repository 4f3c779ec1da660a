import QtQuick
import QtTest
import Pacelog
import PacelogTest

Item {
    id: window
    width: 390
    height: 844

    AppRoot {
        id: app
        anchors.fill: parent
    }

    TestCase {
        name: "SessionList"
        when: windowShown

        function typeInto(field, text) {
            mouseClick(field)
            tryVerify(() => field.activeFocus)
            for (const c of text)
                keyClick(c)
        }

        // A session entered the way a person does it, on the given day.
        function enterSession(year, month, day, calories, distance) {
            mouseClick(findChild(app, "AddSessionButton"))
            tryVerify(() => findChild(app, "EnterTreadmillDataViewController") !== null, 3000)
            const page = findChild(app, "EnterTreadmillDataViewController")
            mouseClick(findChild(page, "textDate"))
            const picker = findChild(page, "datePicker")
            tryVerify(() => picker.visible)
            picker.pick(new Date(year, month - 1, day, 12))
            mouseClick(findChild(page, "doneClick"))
            tryVerify(() => !picker.visible)
            typeInto(findChild(page, "textCalories"), calories)
            typeInto(findChild(page, "textDistance"), distance)
            mouseClick(findChild(page, "btnSave"))
            tryVerify(() => findChild(app, "EnterTreadmillDataViewController") === null, 3000)
            waitForRendering(app) // the menu lays itself out again at full size
        }

        function openList() {
            mouseClick(findChild(app, "ListButton"))
            tryVerify(() => findChild(app, "MasterViewController") !== null, 3000)
            const page = findChild(app, "MasterViewController")
            const table = findChild(page, "tableView")
            tryVerify(() => table.count === 0 || table.itemAtIndex(0) !== null)
            return page
        }

        function firstLines(table) {
            const lines = []
            for (let i = 0; i < table.count; ++i) {
                table.positionViewAtIndex(i, ListView.Contain)
                lines.push(findChild(table.itemAtIndex(i), "FirstLabel").text)
            }
            return lines
        }

        function test_a_empty_list() {
            const page = openList()
            compare(findChild(page, "tableView").count, 0)
            compare(findChild(page, "header").text, "Total # of Treadmill Days: 0")
        }

        function test_b_every_session_newest_first() {
            enterSession(2026, 3, 5, "250", "2")
            enterSession(2025, 12, 31, "100", "3.5")
            enterSession(2026, 3, 5, "300", "3")
            // An imported session that has no treadDate yet.
            TestStore.insert("UserData", { date: "Jan 9, 2019", year: "2019", imonth: 1, iday: 9,
                                           calories: "50", distance: "1", fatCalories: "15.5" })
            const page = openList()
            const table = findChild(page, "tableView")
            compare(table.count, 4)
            compare(findChild(page, "header").text, "Total # of Treadmill Days: 4")
            compare(firstLines(table), [TestStore.mediumDate(2026, 3, 5), TestStore.mediumDate(2026, 3, 5),
                                        TestStore.mediumDate(2025, 12, 31), "Jan 9, 2019 : 2019 : 1 : 9"])
            const row = table.itemAtIndex(2)
            compare(findChild(row, "SecondLabel").text,
                    "Cals: 100  Fat Cals:  31.17  Miles: 3.5  Laps: 14.00")
        }

        function test_c_sort_button_reverses() {
            const page = openList()
            const table = findChild(page, "tableView")
            const newest = firstLines(table)
            const sort = findChild(page, "SortButtonTapped")
            mouseClick(sort)
            compare(firstLines(table), newest.slice().reverse())
            mouseClick(sort)
            compare(firstLines(table), newest)
        }

        function test_d_swipe_deletes() {
            const page = openList()
            const table = findChild(page, "tableView")
            table.positionViewAtBeginning()
            const row = table.itemAtIndex(2)
            compare(findChild(row, "FirstLabel").text, TestStore.mediumDate(2025, 12, 31))
            mouseDrag(row, row.width - 20, row.height / 2, -row.width / 2, 0)
            tryVerify(() => row.swipe.position < 0, 2000, "the row shows its trailing action")
            const remove = findChild(row, "delete")
            verify(remove !== null && remove.visible)
            mouseClick(remove)
            tryCompare(table, "count", 3)
            compare(findChild(page, "header").text, "Total # of Treadmill Days: 3")
            compare(TestStore.count("UserData"), 3)
            for (const s of TestStore.records("UserData"))
                verify(s.calories !== "100", "the deleted session is gone from the store")
            compare(firstLines(table), [TestStore.mediumDate(2026, 3, 5), TestStore.mediumDate(2026, 3, 5),
                                        "Jan 9, 2019 : 2019 : 1 : 9"])
        }

        function test_e_kilometres_row() {
            mouseClick(findChild(app, "DefaultSettingsButton"))
            tryVerify(() => findChild(app, "DefaultSettingsViewController") !== null)
            mouseClick(findChild(app, "KilometersSwitch"))
            const page = openList()
            const table = findChild(page, "tableView")
            compare(findChild(table.itemAtIndex(2), "SecondLabel").text,
                    "Cals: 50  Fat Cals: 15.50  km: 1  Laps: ")
            mouseClick(findChild(app, "DefaultSettingsButton"))
            tryVerify(() => findChild(app, "DefaultSettingsViewController") !== null)
            mouseClick(findChild(app, "MilesSwitch"))
        }
    }
}
