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

    AppTestCase {
        name: "SessionList"
        app: app

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

        function test_empty_list() {
            TestStore.removeAll("UserData")
            const page = openList()
            compare(findChild(page, "tableView").count, 0)
            compare(findChild(page, "header").text, "Total # of Treadmill Days: 0")
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

        function test_kilometres_row() {
            addSessions()
            useUnit(true)
            const table = findChild(openList(), "tableView")
            compare(findChild(table.itemAtIndex(4), "SecondLabel").text,
                    "Cals: 50  Fat Cals: 15.50  km: 1  Laps: ")
        }
    }
}
