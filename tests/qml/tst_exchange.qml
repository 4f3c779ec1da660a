import QtQuick
import QtTest
import Pacelog
import PacelogTest

// One walk per data exchange screen, with the file picker, the save folder and the mail
// program redirected.
AppTestCase {
    name: "DataExchange"

    function init() {
        toMenu()
        TestStore.removeAll("UserData")
        TestStore.removeAll("Locations")
    }

    function localPath(name) {
        return Qt.resolvedUrl("data/" + name).toString().replace("file://", "")
    }

    // A mail program that writes its arguments, one a line, and the attached file.
    function fakeMailer() {
        const dir = TestStore.dataDirectory()
        TestStore.setEnvironment("PACELOG_MAILER",
            "sh -c \"for a; do echo $a; done > " + dir + "/mail.txt; cp $6 " + dir + "/attached\" mailer")
        return dir
    }

    function openExchange(entry, pageName) {
        toMenu()
        // Back on the menu the entry may still be folding away; let it settle first.
        const entryButton = findChild(app, "ImportExportButton")
        tryVerify(() => entryButton.opacity === 0 || entryButton.opacity === 1, 3000)
        const exchange = open("ImportExportButton", "DataExchangePage")
        mouseClick(findChild(exchange, entry))
        return shown(pageName)
    }

    function answerAlert(title, message, button, timeout) {
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible && alert.text.length > 0, timeout || 3000)
        compare(alert.title, title)
        compare(alert.text, message)
        mouseClick(findChild(alert, button || "OK"))
        // Closed, or the next alert in its place; a tap during the fade would hit the dialog.
        tryVerify(() => !alert.visible || (alert.text.length > 0 && alert.text !== message))
    }

    // In the dark appearance both text views get a white border, the file's text turns white
    // and the help text black; the help text keeps clear of its border in both appearances.
    function checkTextViews(page, fileView) {
        const frame = area => {
            let box = area
            while (box && box.textArea !== area)
                box = box.parent
            return box.background
        }
        const help = findChild(page, "HelpTextView")
        const file = findChild(page, fileView)
        for (const dark of [false, true]) {
            Appearance.force(dark ? "dark" : "light")
            const border = dark ? "#ffffff" : "#000000"
            compare(frame(help).border.color.toString(), border, "help view border")
            compare(frame(file).border.color.toString(), border, fileView + " border")
            compare(help.color.toString(), "#000000", "help text")
            compare(file.color.toString(), dark ? "#ffffff" : "#000000", fileView + " text")
            verify(help.leftPadding >= 4 && help.rightPadding >= 4 && help.topPadding >= 4,
                   "the help text keeps an inset")
        }
        Appearance.force("")
    }

    function test_export() {
        TestStore.addSession(2021, 3, 2, "350", "2.5", "120", "10")
        const dir = fakeMailer()
        TestStore.setEnvironment("PACELOG_SAVE_DIR", dir)
        const page = openExchange("showExport", "ExportViewController")
        const exportButton = findChild(page, "ExportButton")
        verify(exportButton.enabled)
        verify(!findChild(page, "SaveButton").enabled && !findChild(page, "EmailButton").enabled)
        verify(findChild(page, "HelpTextView").text.startsWith("Step 1: Create the Export File\n"))
        checkTextViews(page, "ExportTextView")

        mouseClick(exportButton)
        tryVerify(() => findChild(page, "SaveButton").enabled, 3000)
        verify(findChild(page, "EmailButton").enabled && !exportButton.enabled)
        verify(!findChild(page, "ActivitySpinner").running)
        const file = "[TREADMILL]\n" + mediumDate(new Date(2021, 2, 2)) + "^350^120^2.5^10^2021^3^2\n"
        compare(findChild(page, "ExportTextView").text, file)
        answerAlert("Data Export", "Process Complete - File Ready to Save to Files or Email", "OK", 12000)

        mouseClick(findChild(page, "SaveButton"))
        const sheet = findChild(app, "shareSheet")
        tryVerify(() => sheet.visible)
        compare(sheet.items.length, 1)
        compare(TestStore.readFile(dir + "/Treadmill.csv"), file)
        verify(findChild(sheet, "Save").visible, "the sheet saves")
        verify(!findChild(sheet, "Copy").visible && !findChild(sheet, "Mail").visible,
               "copying and mailing are left out")
        mouseClick(findChild(sheet, "Close"))
        tryVerify(() => !sheet.visible)

        mouseClick(findChild(page, "EmailButton"))
        tryVerify(() => TestStore.readFile(dir + "/attached") === file, 5000)
        const args = TestStore.readFile(dir + "/mail.txt").split("\n")
        compare(args.slice(0, 5), ["--subject", "Treadmill Update Text File", "--body",
                                   "Attachment: Treadmill Text File", "--attach"])
        verify(args[5].endsWith("/Treadmill.csv"))
        compare(findChild(page, "ExportTextView").text, file, "the file read back is shown")

        // Neither written nor read back, the file still leads to the check for a mail program.
        TestStore.setEnvironment("PACELOG_MAILER", "/nonexistent/mailer")
        verify(TestStore.setPathBlocked(args[5], true))
        mouseClick(findChild(page, "EmailButton"))
        answerAlert("Sending Email", "Email not Setup or Unavailable")
        compare(findChild(page, "ExportTextView").text, file, "an unread file leaves the view")
        verify(TestStore.setPathBlocked(args[5], false))
    }

    // The session the file's first line matches, as a US English device stored it.
    function addMarchSecond() {
        TestStore.insert("UserData", { date: "Mar 2, 2021", calories: "350", distance: "2.5",
                                       fatCalories: "120", laps: "10", year: "2021", imonth: 3,
                                       iday: 2 })
    }

    function test_import() {
        addMarchSecond()
        for (let i = 0; i < 2; ++i)
            TestStore.insert("UserData", { date: "Mar 9, 2021", calories: "200", distance: "1" })
        const before = JSON.stringify(TestStore.records("UserData"))
        const path = localPath("Treadmill.csv")
        TestStore.setEnvironment("PACELOG_OPEN_FILE", path)
        let page = openExchange("showImport", "ImportViewController2")
        verify(!findChild(page, "ImportButton").enabled)
        compare(findChild(page, "HelpTextView").text.split("\n").length, 3)
        checkTextViews(page, "ImportTextView")

        mouseClick(findChild(page, "LoadFileButton"))
        answerAlert("Data Import", "File Loaded and Ready to Import")
        compare(findChild(page, "ImportTextView").text, TestStore.readFile(path))
        verify(!findChild(page, "LoadFileButton").enabled)

        mouseClick(findChild(page, "ImportButton"))
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible && alert.text === "Data Import Completed", 5000)
        compare(findChild(page, "ProgressLabel").text, "4 of 4 lines")
        compare(findChild(page, "CountsLabel").text, "Added: 2   Updated: 1   Passed over: 1")
        const rows = TestStore.records("UserData")
        compare(rows.length, 5)
        compare(rows[0].laps, "11", "the matching session is updated")
        compare(rows[0].fatCalories, "120")
        compare(rows[3].date, "Mar 3, 2021")
        compare(rows[3].imonth, 3)
        mouseClick(findChild(alert, "OK"))
        tryVerify(() => findChild(app, "ImportViewController2") === null, 3000,
                  "OK returns to the menu")
        tryVerify(() => !alert.visible)

        // The menu offers the whole import back: the sessions it added go, the one it updated
        // gets its earlier texts.
        const bar = findChild(app, "undoBar")
        tryVerify(() => bar.visible, 2000, "the menu offers the import back")
        const menu = findChild(app, "stack").currentItem
        compare(menu.objectName, "MainMenuViewController")
        verify(findChild(menu, "undoBar") === bar, "on the menu itself")
        mouseClick(findChild(bar, "undo"))
        tryVerify(() => !bar.visible)
        compare(JSON.stringify(TestStore.records("UserData")), before)

        TestStore.setEnvironment("PACELOG_OPEN_FILE", localPath("notes.txt"))
        page = openExchange("showImport", "ImportViewController2")
        mouseClick(findChild(page, "LoadFileButton"))
        answerAlert("Data Import", "File Loaded and Ready to Import")
        mouseClick(findChild(page, "ImportButton"))
        answerAlert("Data Import", "notes.txt Is The Incorrect Import File")
        tryVerify(() => findChild(app, "ImportViewController2") === null, 3000)
        compare(TestStore.count("UserData"), 3)
        verify(!findChild(app, "undoBar").visible, "a refused file changed nothing to undo")
    }

    // A line the store refuses (a full device, here a trigger) is counted as not saved, and
    // the import does not claim to be complete.
    function test_import_refused_by_the_store() {
        addMarchSecond()
        compare(TestStore.exec("CREATE TRIGGER refuse BEFORE INSERT ON UserData WHEN " +
                               "NEW.date = 'Mar 4, 2021' BEGIN SELECT RAISE(ABORT, 'disk full'); END"), "")
        TestStore.setEnvironment("PACELOG_OPEN_FILE", localPath("Treadmill.csv"))
        const page = openExchange("showImport", "ImportViewController2")
        mouseClick(findChild(page, "LoadFileButton"))
        answerAlert("Data Import", "File Loaded and Ready to Import")
        mouseClick(findChild(page, "ImportButton"))
        const alert = findChild(app, "alert")
        tryVerify(() => alert.visible && alert.text.length > 0, 5000)
        compare(alert.text, "1 of the file's lines could not be saved (disk full Unable to fetch row). " +
                "The lines counted as added or updated are stored; import the file again once " +
                "the problem is fixed.")
        compare(findChild(page, "CountsLabel").text,
                "Added: 2   Updated: 1   Passed over: 0   Not saved: 1")
        compare(TestStore.records("UserData").map(s => s.date),
                ["Mar 2, 2021", "Mar 3, 2021", "Mar 9, 2021"])
        mouseClick(findChild(alert, "OK"))
        tryVerify(() => findChild(app, "ImportViewController2") === null, 3000)
        compare(TestStore.exec("DROP TRIGGER refuse"), "")
    }

    // The spreadsheet file goes out through the share sheet, in the current unit.
    function test_spreadsheet() {
        TestStore.addSession(2021, 3, 2, "350", "2.5", "120", "10")
        TestStore.addSession(2021, 2, 27, "200", "1,5")
        const dir = TestStore.dataDirectory()
        TestStore.setEnvironment("PACELOG_SAVE_DIR", dir)
        TestStore.setSetting("Distance", "Kilometers")
        AppState.distanceUnit = "Kilometers"
        const page = openExchange("showExport", "ExportViewController")
        mouseClick(findChild(page, "SpreadsheetButton"))
        const expected = "date,calories,fatCalories,distance,unit,laps\r\n"
                       + "2021-02-27,200,,\"1,5\",km,\r\n"
                       + "2021-03-02,350,120,2.5,km,10\r\n"
        tryVerify(() => TestStore.readFile(dir + "/Treadmill-sessions.csv") === expected, 3000,
                  "the spreadsheet is saved whole")
        TestStore.setSetting("Distance", "Miles")
        AppState.distanceUnit = "Miles"
    }

    function test_sampleSessions() {
        TestStore.addSession(2021, 3, 2, "350", "2.5", "120", "10")
        const page = openExchange("showDataImporter", "DataImporterViewController")
        verify(findChild(page, "textViewer").text.startsWith("01/07/2021,160,"))
        mouseClick(findChild(page, "ImportData"))
        answerAlert("Data Import", "Continue", "Cancel")
        compare(TestStore.count("UserData"), 1)

        mouseClick(findChild(page, "ImportData"))
        answerAlert("Data Import", "Continue", "OK")
        answerAlert("Data Import", "Data Import Completed")
        compare(TestStore.count("UserData"), 752)
        verify(TestStore.records("UserData").every(s => s.imonth > 0 && s.iday > 0),
               "every sample session has its month and day")
        const backup = findChild(page, "BackupLabel").text
        const name = backup.match(/Pacelog-backup-\d{8}-\d{6}\.sqlite/)
        verify(name !== null, backup)
        verify(TestStore.readFile(TestStore.dataDirectory() + "/" + name[0]).startsWith("SQLite format 3"))
    }

    function test_places_export() {
        const dir = fakeMailer()
        TestStore.insert("Locations", { fromCity: "SLC", latitude: 41, longitude: -112, milesFromSLC: 36.5, name: "B" })
        TestStore.insert("Locations", { fromCity: "Miami", latitude: 25.5, longitude: -80.25, milesFromMiami: 120.5, name: "A" })
        TestStore.insert("Locations", { fromCity: "Miami", latitude: 25.761681, longitude: -80.191788,
                                        milesFromMiami: 12.5, milesFromSLC: 500, name: "C" })
        const page = openExchange("showLocationsExport", "ExportLocationsViewController")
        mouseClick(findChild(page, "CreateFileButton"))
        // By leg, then by the distances; every distance column, shortest float texts.
        const file = "Miami^25.76168^-80.19179^0.0^12.5^0.0^500.0^C\n"
            + "Miami^25.5^-80.25^0.0^120.5^0.0^0.0^A\nSLC^41.0^-112.0^0.0^0.0^0.0^36.5^B\n"
        compare(findChild(page, "TextView").text, file)
        answerAlert("Data Export", "Process Complete - File Ready to Email", "OK", 7000)

        mouseClick(findChild(page, "EmailFileButton"))
        tryVerify(() => TestStore.readFile(dir + "/attached") === file, 5000)
        const args = TestStore.readFile(dir + "/mail.txt").split("\n")
        compare(args.slice(0, 5), ["--subject", "Treadmill Locations Text File", "--body",
                                   "Attachment: Treadmill Locations Text File", "--attach"])
        const recipient = args[6]
        verify(recipient.indexOf("@") > 0)
        verify(args[5].endsWith("/" + recipient + "TreadmillLocations.txt"))

        // A file that can be neither written nor read back still meets the mail check.
        const written = args[5].replace(/[^/]*$/, "LocationsExport.txt")
        compare(TestStore.readFile(written), file)
        TestStore.setEnvironment("PACELOG_MAILER", "/nonexistent/mailer")
        verify(TestStore.setPathBlocked(written, true))
        mouseClick(findChild(page, "EmailFileButton"))
        answerAlert("Sending Email", "Email not Setup or Unavailable")
        verify(TestStore.setPathBlocked(written, false))
    }
}
