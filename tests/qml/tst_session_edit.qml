import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "SessionEdit"

    // Sessions of known days; the list shows them newest first.
    function init() {
        toMenu()
        TestStore.removeAll("UserData")
        TestStore.addSession(2025, 6, 1, "200", "2", "62.3", "8.00")
        TestStore.addSession(2025, 3, 3, "300", "3", "93.5159", "12.00")
        // Twins: the same date, calories and distance.
        TestStore.addSession(2024, 1, 10, "150", "1.5")
        TestStore.addSession(2024, 1, 10, "150", "1.5")
    }

    // The list on screen: after a save the edit screen returns to it.
    function shownList() {
        return findChild(shown("MasterViewController"), "tableView")
    }

    function openList() {
        const table = findChild(open("ListButton", "MasterViewController"), "tableView")
        tryVerify(() => table.count === 0 || table.itemAtIndex(0) !== null)
        return table
    }

    function openSession(index, table) {
        table = table || openList()
        mouseClick(row(table, index))
        tryVerify(() => findChild(app, "DetailViewController") !== null, 3000)
        return findChild(app, "DetailViewController")
    }

    function goBack() {
        mouseClick(findChild(app, "back"))
        tryVerify(() => findChild(app, "DetailViewController") === null)
    }

    function test_opening_a_row_shows_the_session() {
        useUnit(true)
        const page = openSession(1)
        compare(findChild(page, "dateTextField").text, shownAs("Mar 3, 2025"))
        compare(findChild(page, "caloriesTextField").text, "300")
        compare(findChild(page, "fatCaloriesTextField").text, "93.52")
        compare(findChild(page, "distanceTextField").text, "3")
        compare(findChild(page, "lapsTextField").text, "12.00")
        compare(findChild(page, "DistanceLabel").text, "Distance (km)")
        mouseClick(findChild(page, "saveButton"))
        shownList()
        const saved = TestStore.records("UserData").filter(s => s.calories === "300")
        compare(saved.length, 1)
        compare(saved[0].fatCalories, "93.52", "saving unchanged only rounds the fat calories")
        compare([saved[0].date, saved[0].distance, saved[0].laps, saved[0].iyear, saved[0].imonth],
                [shownAs("Mar 3, 2025"), "3", "12.00", 2025, 3])
    }

    function test_change_date_and_figures() {
        const list = openList()
        mouseClick(findChild(app, "SortButtonTapped")) // oldest first
        const page = openSession(2, list)
        const dateField = findChild(page, "dateTextField")
        mouseClick(dateField)
        const picker = findChild(page, "datePickerView")
        tryVerify(() => picker.visible)
        compare(dateField.text, shownAs("Mar 3, 2025"), "entering the field keeps the session's date")
        compare(picker.date.getFullYear(), 2025, "the picker opens on the session's day")
        compare(picker.date.getMonth(), 2)
        compare(picker.date.getDate(), 3)
        picker.pick(new Date(2025, 11, 24, 12))
        compare(dateField.text, shownAs("Dec 24, 2025"))
        mouseClick(findChild(page, "doneClick"))
        tryVerify(() => !picker.visible)
        compare(dateField.text, shownAs("Dec 24, 2025"))

        retype(findChild(page, "caloriesTextField"), "350")
        const fat = findChild(page, "fatCaloriesTextField").text
        verify(fat.startsWith("109.1"), "fat calories follow the calories: " + fat)
        mouseClick(findChild(page, "saveButton"))

        const table = shownList()
        compare(table.count, 4)
        compare(findChild(row(table, 3), "FirstLabel").text, shownAs("Dec 24, 2025"),
                "shown again, the list reloads and keeps the order chosen")
        compare(findChild(row(table, 3), "SecondLabel").text,
                "Cals: 350  Fat Cals:  " + Number(fat).toFixed(2) + "  Miles: 3  Laps: 12.00")
        const changed = TestStore.records("UserData").filter(s => s.calories === "350")
        compare(changed.length, 1)
        compare(changed[0].date, shownAs("Dec 24, 2025"))
        compare(changed[0].fatCalories, fat)
        compare(changed[0].year, "2025")
        compare(changed[0].iyear, 2025)
        compare(changed[0].imonth, 12)
        compare(changed[0].iday, 24)
    }

    function test_today_shows_month_day_year_and_stores_the_medium_date() {
        const page = openSession(0)
        const dateField = findChild(page, "dateTextField")
        mouseClick(dateField)
        tryVerify(() => findChild(page, "datePickerView").visible)
        mouseClick(findChild(page, "todayClick"))
        const today = new Date()
        compare(dateField.text, Qt.formatDate(today, "MM/dd/yyyy"))
        mouseClick(findChild(page, "saveButton"))
        shownList()
        const saved = TestStore.records("UserData").filter(s => s.calories === "200")
        compare(saved[0].date, mediumDate(today), "stored with the medium date")
        compare(saved[0].iyear, today.getFullYear())
    }

    function test_required_field_alert() {
        const page = openSession(0)
        clear(findChild(page, "distanceTextField"))
        mouseClick(findChild(page, "saveButton"))
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible, 3000)
        compare(alert.title, "New Session")
        compare(alert.text, "Session Not Saved - Required Fields in Red not Entered")
        mouseClick(findChild(alert, "OK"))
        tryVerify(() => !alert.visible)
        verify(findChild(app, "DetailViewController") !== null, "the screen stays")
        goBack()
        compare(TestStore.records("UserData").filter(s => s.distance === "2").length, 1,
                "leaving without saving changes nothing")
    }

    // The wheel offers the session's own year, so turning the month keeps it.
    function test_wheel_keeps_an_old_year() {
        TestStore.addSession(1962, 7, 14, "120", "1")
        const page = openSession(4)
        const dateField = findChild(page, "dateTextField")
        compare(dateField.text, shownAs("Jul 14, 1962"))
        mouseClick(dateField)
        const month = findChild(page, "monthWheel")
        tryVerify(() => month.visible)
        mouseDrag(month, month.width / 2, month.height / 2, 0, -month.height / month.visibleItemCount,
                  Qt.LeftButton, Qt.NoModifier, 50)
        tryCompare(dateField, "text", shownAs("Aug 14, 1962"), 3000)
    }

    function test_twins_change_neither() {
        const page = openSession(2)
        compare(findChild(page, "caloriesTextField").text, "150")
        retype(findChild(page, "caloriesTextField"), "999")
        mouseClick(findChild(page, "saveButton"))
        tryVerify(() => findChild(app, "DetailViewController") === null, 3000)
        verify(findChild(app, "MasterViewController") !== null)
        const twins = TestStore.records("UserData").filter(s => s.distance === "1.5")
        compare(twins.length, 2)
        compare(twins[0].calories, "150")
        compare(twins[1].calories, "150")
    }

    function test_list_keeps_its_place() {
        for (let day = 1; day <= 28; ++day)
            TestStore.addSession(2023, 5, day, "" + (400 + day), "4", "", "")
        const table = openList()
        compare(table.count, 32)
        table.positionViewAtIndex(20, ListView.Beginning)
        const before = findChild(row(table, 20), "FirstLabel").text
        const page = openSession(20, table)
        compare(findChild(page, "lapsTextField").text, "")
        retype(findChild(page, "lapsTextField"), "7.5")
        mouseClick(findChild(page, "saveButton"))
        tryVerify(() => findChild(app, "DetailViewController") === null, 3000)
        tryVerify(() => table.itemAtIndex(20) !== null)
        // The edited row is still on screen, showing the change.
        const edited = table.itemAtIndex(20)
        verify(edited !== null)
        verify(edited.y >= table.contentY && edited.y + edited.height <= table.contentY + table.height,
               "the list did not jump away from the edited row")
        compare(findChild(edited, "FirstLabel").text, before)
        verify(findChild(edited, "SecondLabel").text.endsWith("Laps: 7.5"))
    }
}
