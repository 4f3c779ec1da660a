import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "Summaries"

    // The screen a tap opened, once it is on top and laid out.
    function openPage(name) {
        const page = shown(name)
        const table = findChild(page, "tableView")
        tryVerify(() => table.count === 0 || table.itemAtIndex(0) !== null)
        return page
    }

    function rowOf(page, index) { return row(findChild(page, "tableView"), index) }

    function column(page, label) {
        const texts = []
        for (let i = 0; i < findChild(page, "tableView").count; ++i)
            texts.push(findChild(rowOf(page, i), label).text)
        return texts
    }

    // The stored per-year records as [year, sumMiles, imonth], newest first.
    function storedYears() {
        return TestStore.records("YearlyData").map(r => [r.year, r.sumMiles, r.imonth])
            .sort((a, b) => b[0] - a[0])
    }

    function test_years_months_days() {
        TestStore.addSession(2021, 3, 2, "300", "10", "93.52", "40.00")
        TestStore.addSession(2021, 5, 9, "250", "2.5", "", "10.00")
        TestStore.addSession(2022, 1, 4, "500", "100", "155.86", "400.00")
        TestStore.addSession(2023, 3, 5, "300", "3.2", "45", "12")
        TestStore.addSession(2023, 3, 20, "410", "1.8", "1.115", "7")
        TestStore.addSession(2023, 7, 1, "200", "4", "62.34", "16")

        let years = open("MilesSummaryButton", "YearlyTableViewController")
        compare(findChild(years, "header").text, "3 Years Logged So Far")
        compare(column(years, "DateLabel"), ["Year = 2023      Miles = 9.0",
                                             "Year = 2022      Miles = 100.0",
                                             "Year = 2021      Miles = 12.5"])
        // Each year's record holds the month of the session that closed its run.
        compare(storedYears(), [[2023, 9, 1], [2022, 100, 5], [2021, 12.5, 3]])
        const chart = findChild(years, "yearChart")
        verify(chart.visible && chart.height > 100)
        compare(findChild(chart, "chartCaption").text, "Miles")

        // Oldest first: the records are made again in that order, so the closing months
        // change.
        mouseClick(findChild(years, "SortButtonTapped"))
        compare(column(years, "DateLabel"), ["Year = 2021      Miles = 12.5",
                                             "Year = 2022      Miles = 100.0",
                                             "Year = 2023      Miles = 9.0"])
        compare(storedYears(), [[2023, 9, 7], [2022, 100, 3], [2021, 12.5, 1]])

        // A bar opens its year like a row.
        mouseClick(findChild(chart, "bar2022"))
        let months = openPage("MonthlyTableViewController")
        compare(column(months, "DateLabel")[0], "January 2022")
        compare(column(months, "MilesLabel")[0], "Miles = 100.000")
        mouseClick(findChild(app, "back"))

        years = openPage("YearlyTableViewController")
        mouseClick(rowOf(years, 2))
        months = openPage("MonthlyTableViewController")
        compare(AppState.appSelectedYear, 2023)
        compare(AppState.appSelectedMonth, 7)
        compare(findChild(months, "header").text, "12 Months Logged in This Year")
        verify(findChild(months, "monthChart").visible)
        const miles = column(months, "MilesLabel")
        compare(miles.length, 12)
        compare([miles[2], miles[6]], ["Miles = 5.000", "Miles = 4.000"])
        compare(miles.filter(m => m === "Miles = 0.000").length, 10)
        compare(column(months, "DateLabel")[11], "December 2023")

        mouseClick(rowOf(months, 2))
        const days = openPage("DailyTableViewController")
        compare(AppState.appSelectedMonth, 3)
        compare(findChild(days, "header").text, "2 Days Logged in this Month")
        compare(column(days, "textLabel").sort(), ["Mar 20, 2023", "Mar 5, 2023"])
        compare(column(days, "detailTextLabel").sort(),
                ["Cals: 300  Fat Cals: 45.00  Miles: 3.2  Laps: 12",
                 "Cals: 410  Fat Cals: 1.12  Miles: 1.8  Laps: 7"])

        // A day row neither opens anything nor offers a swipe action.
        const first = rowOf(days, 0)
        mouseClick(first)
        mouseDrag(first, first.width - 10, first.height / 2, -200, 0)
        wait(300)
        compare(findChild(app, "stack").currentItem, days)
        compare(findChild(days, "delete"), null)
    }
}
