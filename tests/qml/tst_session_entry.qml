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
        name: "SessionEntry"
        app: app

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
            // Flick the month wheel one step up: the date moves by a month.
            const month = findChild(picker, "monthWheel")
            const before = month.currentIndex
            mouseDrag(month, month.width / 2, month.height / 2, 0, -month.height / month.visibleItemCount, Qt.LeftButton, Qt.NoModifier, 50)
            tryVerify(() => !month.moving && month.currentIndex === (before + 1) % 12, 3000)
            tryVerify(() => dateField.text !== "" && picker.date.getMonth() === (before + 1) % 12, 3000)
            picker.pick(new Date(2026, 2, 5, 9, 30))
            compare(dateField.text, TestStore.mediumDate(2026, 3, 5))
            mouseClick(findChild(page, "doneClick"))
            tryVerify(() => !picker.visible)

            typeInto(findChild(page, "textCalories"), "250")
            typeInto(findChild(page, "textDistance"), "2")
            mouseClick(findChild(page, "btnSave"))
            tryVerify(() => findChild(app, "EnterTreadmillDataViewController") === null, 3000,
                      "saving returns to the menu")

            const rows = TestStore.records("UserData")
            compare(rows.length, 1)
            compare(rows[0].date, "Mar 5, 2026")
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
            mouseClick(findChild(calendar, "previousMonth"))
            wait(0) // the grid of the month before replaces its day cells
            const day = findChild(calendar, "day1")
            verify(day !== null)
            mouseClick(day)
            verify(dateField.text !== today, "tapping a day of last month picks it")
            mouseClick(findChild(page, "todayClick"))
            compare(dateField.text, today)
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
}
