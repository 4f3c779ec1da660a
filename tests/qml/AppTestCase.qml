import QtQuick
import QtTest
import Pacelog
import PacelogTest

// A test case over the whole app in a phone-sized window, reaching screens the way a person
// does: back to the menu, then the menu's entry.
TestCase {
    id: testCase
    readonly property Item app: appRoot
    width: 390
    height: 844
    visible: true // a test case is hidden by default, and the app lives inside it
    when: windowShown

    AppRoot {
        id: appRoot
        anchors.fill: parent
    }

    // Every test starts on the menu, in miles, in the system's appearance, with no change
    // offered for undoing (the last test's offer would cover the menu's lower entries).
    function init() {
        Appearance.force("")
        toMenu()
        UndoService.dismiss()
        TestStore.setSetting("Distance", "Miles")
        AppState.distanceUnit = "Miles"
    }

    // "back" until the menu shows again.
    function toMenu() {
        for (let i = 0; i < 10; ++i) {
            const back = findChild(app, "back")
            if (back === null || !back.visible)
                break
            mouseClick(back)
        }
        tryVerify(() => !findChild(app, "back").visible, 3000, "back on the menu")
        wait(0) // the closed screens are gone, so findChild sees only what is open
    }

    // Opens a menu entry's screen from the menu, first showing the entry when it is folded away.
    function open(buttonName, pageName) {
        toMenu()
        const button = findChild(app, buttonName)
        verify(button, "the menu has " + buttonName)
        // A less used entry opened before may still be folding away on the return to the menu.
        tryVerify(() => button.opacity === 0 || button.opacity === 1, 3000)
        if (!button.visible)
            mouseClick(findChild(app, "HandleSelection"))
        tryVerify(() => button.visible && button.opacity === 1, 3000, buttonName + " is shown")
        mouseClick(button)
        return shown(pageName)
    }

    // The screen on top once it is the named one and laid out.
    function shown(pageName) {
        const stack = findChild(app, "stack")
        // Generous: a loaded machine has taken more than 3 s to show a screen.
        tryVerify(() => stack.currentItem.objectName === pageName, 10000, pageName + " opens")
        waitForRendering(stack.currentItem) // taps land where the laid-out screen shows its controls
        return stack.currentItem
    }

    // A table's row, scrolled into view.
    function row(table, index) {
        table.positionViewAtIndex(index, ListView.Contain)
        return table.itemAtIndex(index)
    }

    function typeInto(field, text) {
        mouseClick(field)
        tryVerify(() => field.activeFocus)
        for (const c of text)
            keyClick(c)
    }

    function retype(field, text) {
        clear(field)
        typeInto(field, text)
    }

    function clear(field) {
        mouseClick(field)
        tryVerify(() => field.activeFocus)
        keyClick(Qt.Key_End)
        while (field.text.length > 0)
            keyClick(Qt.Key_Backspace)
    }

    // The distance unit, chosen on the settings screen.
    function useUnit(kilometres) {
        const page = open("DefaultSettingsButton", "DefaultSettingsViewController")
        const control = findChild(page, kilometres ? "KilometersSwitch" : "MilesSwitch")
        if (!control.checked)
            mouseClick(control)
        toMenu()
    }

    // What the screens show, written in these tests as a US English device shows it, turned
    // into what the device's own locale shows: medium dates ("Mar 5, 2026"), month names
    // ("March 2023") and formatted figures ("2,448.00"). Texts that are data (stored,
    // exported) never go through here: they are the same in every locale.
    readonly property var usMonths: ["January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December"]
    readonly property var germanMonths: ["Januar", "Februar", "März", "April", "Mai", "Juni",
        "Juli", "August", "September", "Oktober", "November", "Dezember"]
    function shownAs(usText) {
        if (TestStore.locale() !== "de_DE")
            return usText
        const abbreviated = usMonths.map(m => m.substring(0, 3)).join("|")
        // Figures first: the German dates that follow are written with points.
        return usText
            .replace(/\d{1,3}(,\d{3})*\.\d+|\d{1,3}(,\d{3})+/g,
                     figure => figure.replace(/[,.]/g, c => c === "," ? "." : ","))
            .replace(new RegExp("\\b(" + abbreviated + ") (\\d{1,2}), (\\d{4})\\b", "g"),
                     (all, mon, day, year) => ("0" + day).slice(-2) + "." +
                         ("0" + (usMonths.findIndex(m => m.startsWith(mon)) + 1)).slice(-2) + "." + year)
            .replace(new RegExp("\\b(" + usMonths.join("|") + ") (\\d{4})\\b", "g"),
                     (all, month, year) => germanMonths[usMonths.indexOf(month)] + " " + year)
    }
    // A day as the screens show and store it: the device's medium date.
    function mediumDate(date) {
        return shownAs(usMonths[date.getMonth()].substring(0, 3) + " " + date.getDate() + ", " +
                       date.getFullYear())
    }
}
