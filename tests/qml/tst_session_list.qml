import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "SessionList"

    // Three sessions entered on their days and three imported that have no treadDate yet,
    // stored so that only their month, then their day, put them in order.
    function addSessions() {
        TestStore.removeAll("UserData")
        TestStore.insert("UserData", { date: "Jan 1, 2018", year: "2018", imonth: 1, iday: 1,
                                       calories: "40", distance: "1" })
        TestStore.addSession(2026, 3, 5, "250", "2", "77.92992", "8.00")
        TestStore.addSession(2025, 12, 31, "100", "3.5", "31.171967", "14.00")
        TestStore.addSession(2026, 3, 5, "300", "3", "93.5159", "12.00")
        TestStore.insert("UserData", { date: "Jan 9, 2019", year: "2019", imonth: 1, iday: 9,
                                       calories: "50", distance: "1", fatCalories: "15.5" })
        TestStore.insert("UserData", { date: "Feb 1, 2017", year: "2017", imonth: 2, iday: 1,
                                       calories: "30", distance: "1" })
    }

    function openList() {
        const page = open("ListButton", "MasterViewController")
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

    function test_every_session_newest_first_and_sorting() {
        addSessions()
        const page = openList()
        const table = findChild(page, "tableView")
        compare(table.count, 6)
        compare(findChild(page, "header").text, "Total # of Treadmill Days: 6")
        const newest = ["Mar 5, 2026", "Mar 5, 2026", "Dec 31, 2025", "Feb 1, 2017 : 2017 : 2 : 1",
                        "Jan 9, 2019 : 2019 : 1 : 9", "Jan 1, 2018 : 2018 : 1 : 1"]
        compare(firstLines(table), newest)
        compare(findChild(table.itemAtIndex(2), "SecondLabel").text,
                "Cals: 100  Fat Cals:  31.17  Miles: 3.5  Laps: 14.00")
        const sort = findChild(page, "SortButtonTapped")
        mouseClick(sort)
        compare(firstLines(table), newest.slice().reverse())
        mouseClick(sort)
        compare(firstLines(table), newest)
    }

    function test_swipe_deletes() {
        addSessions()
        const page = openList()
        const table = findChild(page, "tableView")
        const row = table.itemAtIndex(2)
        compare(findChild(row, "FirstLabel").text, "Dec 31, 2025")
        mouseDrag(row, row.width - 20, row.height / 2, -row.width / 2, 0)
        tryVerify(() => row.swipe.position < 0, 2000, "the row shows its trailing action")
        const remove = findChild(row, "delete")
        verify(remove !== null && remove.visible)
        mouseClick(remove)
        tryCompare(table, "count", 5)
        compare(findChild(page, "header").text, "Total # of Treadmill Days: 5")
        compare(TestStore.count("UserData"), 5)
        for (const s of TestStore.records("UserData"))
            verify(s.calories !== "100", "the deleted session is gone from the store")
        compare(firstLines(table), ["Mar 5, 2026", "Mar 5, 2026", "Feb 1, 2017 : 2017 : 2 : 1",
                                    "Jan 9, 2019 : 2019 : 1 : 9", "Jan 1, 2018 : 2018 : 1 : 1"])
    }

    // A slip of the finger: the bar offers the session back for a few seconds; Undo (and then
    // Ctrl+Z after a second deletion) puts each back with every field as it was.
    function test_swipe_deletion_then_undo() {
        addSessions()
        const before = JSON.stringify(TestStore.records("UserData"))
        const page = openList()
        const table = findChild(page, "tableView")
        const bar = findChild(app, "undoBar")
        verify(!bar.visible, "nothing to undo yet")
        for (const useKeys of [false, true]) {
            const row = table.itemAtIndex(2)
            mouseDrag(row, row.width - 20, row.height / 2, -row.width / 2, 0)
            tryVerify(() => row.swipe.position < 0, 2000)
            mouseClick(findChild(row, "delete"))
            tryCompare(table, "count", 5)
            tryVerify(() => bar.visible, 2000, "the page offers the deletion back")
            verify(findChild(page, "undoBar") === bar, "on the list itself")
            wait(3500)
            verify(bar.visible, "still offered after 3.5 s")
            if (useKeys)
                keySequence(StandardKey.Undo)
            else
                mouseClick(findChild(bar, "undo"))
            tryCompare(table, "count", 6)
            verify(!bar.visible)
            compare(JSON.stringify(TestStore.records("UserData")), before, "every field as it was")
            compare(findChild(table.itemAtIndex(2), "FirstLabel").text, "Dec 31, 2025")
        }
        // Left alone, the offer ends; it ends at once when the person moves to another page.
        const row = table.itemAtIndex(0)
        mouseDrag(row, row.width - 20, row.height / 2, -row.width / 2, 0)
        tryVerify(() => row.swipe.position < 0, 2000)
        mouseClick(findChild(row, "delete"))
        tryVerify(() => bar.visible, 2000)
        tryVerify(() => !bar.visible, 8000, "the offer ends")
        compare(TestStore.count("UserData"), 5)
        const next = table.itemAtIndex(0)
        mouseDrag(next, next.width - 20, next.height / 2, -next.width / 2, 0)
        tryVerify(() => next.swipe.position < 0, 2000)
        mouseClick(findChild(next, "delete"))
        tryVerify(() => bar.visible, 2000)
        toMenu()
        verify(!bar.visible, "not over the menu's entries")
        compare(TestStore.count("UserData"), 4)
    }

    function test_kilometres_row() {
        addSessions()
        useUnit(true)
        const table = findChild(openList(), "tableView")
        compare(findChild(table.itemAtIndex(4), "SecondLabel").text,
                "Cals: 50  Fat Cals: 15.50  km: 1  Laps: ")
    }
}
