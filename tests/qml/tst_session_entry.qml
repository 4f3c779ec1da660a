import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "SessionEntry"

    function openEntry() {
        return open("AddSessionButton", "EnterTreadmillDataViewController")
    }

    function test_typing_filters_and_derives() {
        const page = openEntry()
        const calories = findChild(page, "textCalories")
        const distance = findChild(page, "textDistance")
        typeInto(calories, "1x00")
        compare(calories.text, "100", "the letter is refused")
        compare(findChild(page, "textFatCalories").text, "31.171967")
        typeInto(distance, "3.5.25")
        compare(distance.text, "3.525", "the second point is refused")
        keyClick("9")
        compare(distance.text, "3.525", "a fourth decimal is refused")
        compare(findChild(page, "textLaps").text, "14.10")
        compare(findChild(page, "DistanceLabel").text, "Distance (Miles)")
    }

    function test_pick_a_date_and_save() {
        TestStore.removeAll("UserData")
        const page = openEntry()
        const dateField = findChild(page, "textDate")
        compare(dateField.text, "", "the screen starts empty")
        mouseClick(dateField)
        const picker = findChild(page, "datePicker")
        tryVerify(() => picker.visible)
        verify(dateField.text.length > 0, "entering the field shows today")
        for (const appearance of ["light", "dark"]) {
            Appearance.force(appearance)
            for (const button of ["todayClick", "doneClick"])
                compare(findChild(page, button).contentItem.color.toString(), "#5cd8ff",
                        "the toolbar's sky blue, " + appearance)
        }
        Appearance.force("")
        picker.pick(new Date(2026, 2, 5, 23, 30)) // already the 6th in UTC
        compare(dateField.text, shownAs("Mar 5, 2026"))
        mouseClick(dateField)
        compare(dateField.text, shownAs("Mar 5, 2026"), "a second tap keeps the picked date")
        mouseClick(findChild(page, "doneClick"))
        tryVerify(() => !picker.visible)

        typeInto(findChild(page, "textCalories"), "250")
        // Without a distance nothing is stored and the screen keeps what was typed.
        mouseClick(findChild(page, "btnSave"))
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible, 3000)
        compare(alert.text, "Session Not Saved - Required Fields in Red not Entered")
        mouseClick(findChild(alert, "OK"))
        tryVerify(() => !alert.visible)
        compare(TestStore.count("UserData"), 0)
        typeInto(findChild(page, "textDistance"), "2")
        mouseClick(findChild(page, "btnSave"))
        tryVerify(() => findChild(app, "EnterTreadmillDataViewController") === null, 3000,
                  "saving returns to the menu")

        const rows = TestStore.records("UserData")
        compare(rows.length, 1)
        compare(rows[0].date, shownAs("Mar 5, 2026"))
        compare(rows[0].calories, "250")
        compare(rows[0].fatCalories, "77.92992")
        compare(rows[0].distance, "2")
        compare(rows[0].laps, "8.00")
        compare(rows[0].year, "2026")
        compare(rows[0].iyear, 2026)
        compare(rows[0].imonth, 3)
        compare(rows[0].iday, 5)
    }

    function test_today_and_inline_calendar() {
        TestStore.setSetting("UseDateInline", true)
        const page = openEntry()
        const dateField = findChild(page, "textDate")
        mouseClick(dateField)
        const picker = findChild(page, "datePicker")
        tryVerify(() => picker.visible)
        TestStore.setSetting("UseDateInline", false)
        const calendar = findChild(picker, "calendarPicker")
        verify(calendar.visible, "the settings chose the calendar")
        verify(!findChild(picker, "wheelPicker").visible)
        const today = dateField.text
        picker.pick(new Date(2020, 0, 1, 12))
        compare(dateField.text, shownAs("Jan 1, 2020"))
        waitForRendering(page) // the toolbar settles once the calendar shows the picked month
        mouseClick(findChild(page, "todayClick"))
        tryCompare(dateField, "text", today)
        tryVerify(() => !picker.visible)
    }

    function test_kilometres_caption_and_laps() {
        useUnit(true)
        const page = openEntry()
        compare(findChild(page, "DistanceLabel").text, "Distance (km)")
        typeInto(findChild(page, "textDistance"), "10")
        compare(findChild(page, "textLaps").text, "27.34")
    }
}
