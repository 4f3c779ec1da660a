import QtQuick
import QtTest
import Pacelog
import PacelogTest

// A session kept with the keyboard alone: entered, found in the list, edited and deleted, and
// the alerts, the settings and the way back answered by keys. No pointer after the set-up.
AppTestCase {
    name: "Keyboard"

    function focused() { return app.Window.activeFocusItem }

    // The named control that has the focus itself or through a part of it (a list's row).
    function holding(objectName) {
        for (let item = focused(); item && item !== app; item = item.parent) {
            if (item.objectName === objectName)
                return item
        }
        return null
    }

    // Tab until the named control has the focus; its ring shows when it has one.
    function tabTo(objectName) {
        for (let i = 0; i < 60 && !holding(objectName); ++i)
            keyClick(Qt.Key_Tab)
        const control = holding(objectName)
        verify(control, "Tab reaches " + objectName)
        const mark = findChild(control, "focusMark")
        if (mark)
            verify(mark.visible, objectName + " shows the focus mark")
        return control
    }

    function press(key, modifiers) {
        keyClick(key, modifiers || Qt.NoModifier)
        wait(0)
    }

    // A menu entry opened by keys, the folded entries shown first.
    function openEntry(buttonName, pageName) {
        const button = findChild(app, buttonName)
        if (!button.visible) {
            tabTo("HandleSelection")
            press(Qt.Key_Space)
            tryVerify(() => button.visible && button.opacity === 1, 3000)
        }
        tabTo(buttonName)
        press(Qt.Key_Return)
        return shown(pageName)
    }

    function typeKeys(text) {
        for (const c of text)
            keyClick(c)
    }

    function test_a_session_from_entry_to_deletion() {
        TestStore.removeAll("UserData")
        TestStore.addSession(2024, 5, 1, "100", "1")
        TestStore.addSession(2023, 5, 1, "120", "1.2")

        tabTo("AddSessionButton")
        press(Qt.Key_Space)
        const entry = shown("EnterTreadmillDataViewController")

        // The picker opens at today; one row up on the day wheel is the day before.
        tabTo("textDate")
        press(Qt.Key_Return)
        verify(findChild(entry, "datePicker").visible, "Enter opens the date picker")
        const today = new Date()
        const day = findChild(entry, "dayWheel")
        tabTo("dayWheel")
        press(today.getDate() > 1 ? Qt.Key_Up : Qt.Key_Down)
        const picked = today.getDate() > 1 ? today.getDate() - 1 : 2
        compare(day.currentIndex, picked - 1)
        press(Qt.Key_Escape)
        verify(!findChild(entry, "datePicker").visible, "Escape in the picker is Done")
        compare(focused().objectName, "textDate", "the keyboard is back on the date field")
        compare(findChild(app, "stack").currentItem, entry, "Escape in the picker stays on the screen")

        // Reading order: the fields follow one another, then Save.
        press(Qt.Key_Tab)
        compare(focused().objectName, "textCalories")
        typeKeys("300")
        press(Qt.Key_Tab)
        compare(focused().objectName, "textFatCalories")
        press(Qt.Key_Tab)
        compare(focused().objectName, "textDistance")
        typeKeys("3")
        press(Qt.Key_Tab)
        compare(focused().objectName, "textLaps")
        press(Qt.Key_Tab)
        compare(focused().objectName, "btnSave")
        press(Qt.Key_Return)
        shown("MainMenuViewController")
        const saved = TestStore.records("UserData").filter(s => s.calories === "300")
        compare(saved.length, 1, "Enter on Save stored the session")
        compare([saved[0].distance, saved[0].iday], ["3", picked])

        // The list is one stop: Down moves the current row, Enter opens it.
        const list = openEntry("ListButton", "MasterViewController")
        tabTo("SortButtonTapped")
        press(Qt.Key_Tab)
        const table = holding("tableView")
        verify(table, "the bar's Sort comes before the rows")
        compare(table.currentIndex, 0)
        press(Qt.Key_Down)
        press(Qt.Key_Down)
        compare(table.currentIndex, 2)
        press(Qt.Key_Up)
        press(Qt.Key_Up)
        compare(findChild(table.currentItem, "SecondLabel").text.indexOf("Cals: 300"), 0,
                "the newest session is the first row")
        press(Qt.Key_Return)
        const detail = shown("DetailViewController")
        tabTo("caloriesTextField")
        press(Qt.Key_A, Qt.ControlModifier)
        typeKeys("350")
        tabTo("saveButton")
        press(Qt.Key_Space)
        shown("MasterViewController")
        compare(TestStore.records("UserData").filter(s => s.calories === "350").length, 1,
                "Space on Save stored the edit")

        // Back on the list the keyboard is where it was; Delete deletes as the swipe does.
        tryVerify(() => holding("tableView") === table, 2000, "the list has the focus again")
        verify(findChild(table.currentItem, "SecondLabel").text.indexOf("Cals: 350") === 0)
        press(Qt.Key_Delete)
        tryCompare(table, "count", 2)
        compare(TestStore.count("UserData"), 2)
        compare(TestStore.records("UserData").filter(s => s.calories === "350").length, 0)

        press(Qt.Key_Escape)
        shown("MainMenuViewController")
        verify(detail !== null && list !== null)
    }

    function test_alerts_answer_enter_and_escape() {
        TestStore.removeAll("UserData")
        TestStore.addSession(2024, 5, 1, "100", "1")
        const alert = findChild(app, "alert")

        // A one-button alert: Enter answers it and the keyboard stays on Save.
        tabTo("AddSessionButton")
        press(Qt.Key_Return)
        shown("EnterTreadmillDataViewController")
        tabTo("btnSave")
        press(Qt.Key_Return)
        tryVerify(() => alert.visible, 2000, "the required-fields alert shows")
        tryVerify(() => focused()?.objectName === "OK", 2000, "the default button has the focus")
        press(Qt.Key_Return)
        tryVerify(() => !alert.visible)
        compare(focused().objectName, "btnSave")

        // Replacing every session asks first: Escape is Cancel and keeps them.
        press(Qt.Key_Left, Qt.AltModifier)
        shown("MainMenuViewController")
        openEntry("ImportExportButton", "DataExchangePage")
        tabTo("showDataImporter")
        press(Qt.Key_Return)
        shown("DataImporterViewController")
        tabTo("ImportData")
        press(Qt.Key_Return)
        tryVerify(() => alert.visible, 2000, "the replacement asks first")
        press(Qt.Key_Escape)
        tryVerify(() => !alert.visible)
        compare(TestStore.count("UserData"), 1, "Cancel kept the sessions")
        compare(findChild(app, "stack").currentItem.objectName, "DataImporterViewController",
                "Escape on the alert does not leave the screen")
    }

    function test_a_switch_flipped_by_keys_writes_its_setting() {
        openEntry("DefaultSettingsButton", "DefaultSettingsViewController")
        tabTo("KilometersSwitch")
        press(Qt.Key_Return)
        compare(TestStore.settingsFile().Distance, "Kilometers")
        press(Qt.Key_Space)
        compare(TestStore.settingsFile().Distance, "Miles")
    }

    // Half the height (twice the text size on the same screen): Tab scrolls what it reaches
    // into view, on flicked screens and on the dragged totals alike.
    function test_tab_scrolls_the_focused_control_into_view() {
        height = 422
        try {
            for (const [entry, page, control] of [
                     ["DefaultSettingsButton", "DefaultSettingsViewController", "MainMenuSwitch"],
                     ["TotalsButton", "TotalsViewController", "FourthCityTextField"]]) {
                toMenu()
                const screen = openEntry(entry, page)
                const target = tabTo(control)
                const box = target.mapToItem(screen.contentItem, 0, 0, target.width, target.height)
                verify(box.y >= 0 && box.y + box.height <= screen.contentItem.height,
                       control + " is in view at " + box.y + ".." + (box.y + box.height))
            }
        } finally {
            height = 844
        }
    }
}
