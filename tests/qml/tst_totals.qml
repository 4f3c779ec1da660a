import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "Totals"

    // The rating request of an opened totals screen stays quiet unless a test asks for it.
    function init() {
        toMenu()
        TestStore.setSetting("Distance", "Miles")
        AppState.distanceUnit = "Miles"
        TestStore.setSetting("ReviewService.lastRequest", new Date())
    }

    function openTotals() {
        return open("TotalsButton", "TotalsViewController")
    }

    function textOf(page, name) {
        const item = findChild(page, name)
        verify(item, name + " is on the screen")
        return item.text
    }

    function texts(page, names) { return names.map(name => textOf(page, name)) }

    function legFields(page) {
        return texts(page, ["FirstCityTextField", "SecondCityTextField", "ThirdCityTextField",
                            "FourthCityTextField"])
    }

    // Sessions whose figures are read as leading numbers ("1,200" is 1, "50.25 mi" is 50.25).
    function addSessions() {
        TestStore.removeAll("UserData")
        TestStore.addSession(2023, 1, 10, "500", "400.5", "150", "abc")
        TestStore.addSession(2023, 3, 5, "1,200", "50.25 mi", "", "12.345")
        TestStore.addSession(2023, 3, 20, "700", "49.25", "210.5", "197")
        TestStore.addSession(2023, 4, 2, "800", "10", "240", "40")
        TestStore.addSession(2022, 12, 31, "300", "2000", "90", "8000") // the first entry, stored last
    }

    function test_empty_log() {
        TestStore.removeAll("UserData")
        const page = openTotals()
        compare(textOf(page, "LTDTotalsLabel"), "LTD Totals")
        for (const block of ["Ltd", "Ytd", "Mtd"])
            compare(texts(page, ["text" + block + "Cals", "text" + block + "FatCals",
                                 "text" + block + "Miles", "text" + block + "Laps"]),
                    ["0.00", "0.00", "0.00", "0.00"].map(shownAs))
        compare(legFields(page), ["2,448.00 To Go", "840.00 To Go", "3,257.00 To Go",
                                  "1,743.00 To Go"].map(shownAs))
        verify(Qt.colorEqual(findChild(page, "FirstCityTextField").color, "#ff0000"))
        compare(textOf(page, "LTDDistanceLabel"), "mi")
        compare(textOf(page, "MilesToSLCLabel"), "Miles To SLC, UT = 2448")

        // Dragging moves the whole screen, also when the drag starts on a figure.
        const content = findChild(page, "totalsContent")
        const field = findChild(page, "textYtdCals")
        const top = content.y
        mouseDrag(field, field.width / 2, field.height / 2, 0, -150)
        tryVerify(() => content.y < top - 100, 2000, "the screen moved up")
    }

    function test_picked_date() {
        addSessions()
        const page = openTotals()

        // Tap the date, page back to March 2023 and tap the 15th.
        mouseClick(findChild(page, "compactDate"))
        const calendar = findChild(page, "calendarPicker")
        tryVerify(() => calendar.visible)
        const shown = findChild(calendar, "shownMonth")
        for (let i = 0; i < 1200 && shown.text !== shownAs("March 2023"); ++i)
            mouseClick(findChild(calendar, "previousMonth"))
        compare(shown.text, shownAs("March 2023"))
        mouseClick(findChild(calendar, "day15"))
        tryVerify(() => !calendar.visible)
        compare(textOf(page, "compactDate"), shownAs("Mar 15, 2023"))

        compare(textOf(page, "LTDTotalsLabel"),
                shownAs("LTD Totals ( First Entry Dec 31, 2022 )"))
        compare(texts(page, ["textLtdCals", "textLtdFatCals", "textLtdMiles", "textLtdLaps"]),
                ["2,301.00", "690.50", "2,510.00", "8,249.345"].map(shownAs))
        compare(texts(page, ["textYtdCals", "textYtdFatCals", "textYtdMiles", "textYtdLaps"]),
                ["1,201.00", "360.50", "500.00", "209.345"].map(shownAs))
        compare(texts(page, ["textMtdCals", "textMtdFatCals", "textMtdMiles", "textMtdLaps"]),
                ["701.00", "210.50", "99.50", "209.345"].map(shownAs))
        compare(page.controller.recordCount, 2, "the block computed last is the month's")
        compare(legFields(page), ["Completed", "818.00 To Go", "3,257.00 To Go",
                                  "1,743.00 To Go"].map(shownAs))
        verify(Qt.colorEqual(findChild(page, "FirstCityTextField").color, "#00ff00"))
        verify(Qt.colorEqual(findChild(page, "SecondCityTextField").color, "#ff0000"))
    }

    function test_print_to_pdf() {
        const page = openTotals()
        const pdf = TestStore.dataDirectory() + "/totals.pdf"
        TestStore.setEnvironment("PACELOG_PRINT_TO", pdf)
        mouseClick(findChild(page, "PrintButtonClicked"))
        TestStore.setEnvironment("PACELOG_PRINT_TO", "")
        const content = TestStore.readFile(pdf)
        verify(content.length > 0, "the PDF was written")
        compare(content.substring(0, 4), "%PDF")
    }

    function test_kilometres() {
        addSessions()
        useUnit(true)
        const page = openTotals()
        compare(textOf(page, "MTDDistanceLabel"), "km")
        compare(texts(page, ["MilesToSLCLabel", "MilesToSeattleLabel", "MilesToBangorLabel",
                             "MilesToMiamiLabel"]),
                ["km To SLC, UT = 3939.67", "km To Seattle, WA = 1351.85",
                 "km to Bangor ME = 5241.63", "km to Miami, FL = 2805.08"])
        verify(textOf(page, "RouteExplanationLabel").endsWith("Total km = 13,338.24"))
        compare(legFields(page), ["1,429.67 To Go", "2,845.89 To Go", "8,087.53 To Go",
                                  "10,828.24 To Go"].map(shownAs))
    }

    // Five seconds after the screen opens, the rating prompt offers the store page once.
    function test_rating_request() {
        TestStore.setSetting("ReviewService.lastRequest", undefined)
        const log = TestStore.dataDirectory() + "/urls.txt"
        TestStore.setEnvironment("PACELOG_URL_LOG", log)
        openTotals()
        const prompt = findChild(app, "ratingPrompt")
        tryVerify(() => prompt.visible, 10000, "the prompt is offered")
        verify(TestStore.settingsFile()["ReviewService.lastRequest"] !== undefined,
               "the attempt is recorded")
        mouseClick(findChild(prompt, "Rate"))
        tryVerify(() => !prompt.visible)
        TestStore.setEnvironment("PACELOG_URL_LOG", "")
        const opened = TestStore.readFile(log).trim()
        verify(opened.startsWith("https://"), opened)
        verify(opened.endsWith("?action=write-review"), opened)

        // Left by a back that does not tap outside the prompt (a key, a gesture), the screen
        // takes its prompt along: it never shows over the menu.
        TestStore.setSetting("ReviewService.lastRequest", undefined)
        openTotals()
        tryVerify(() => prompt.visible, 10000, "offered again")
        findChild(app, "stack").pop()
        tryVerify(() => findChild(app, "stack").currentItem.objectName === "MainMenuViewController")
        tryVerify(() => !prompt.visible, 1000, "the prompt went with its screen")
    }
}
