import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "MainMenu"

    function menu() { return findChild(app, "MainMenuViewController") }

    function test_first_start_loads_the_route() {
        const file = TestStore.settingsFile()
        compare(file["Distance"], "Miles")
        compare(file["FirstTime"], "true")
        const perLeg = {}
        for (const place of TestStore.records("Locations"))
            perLeg[place.fromCity] = (perLeg[place.fromCity] || 0) + 1
        compare(Object.keys(perLeg).sort(), ["Bangor", "Miami", "SLC", "Seattle"])
        for (const leg in perLeg)
            verify(perLeg[leg] >= 15, leg + " has its places")
    }

    // Every entry with a screen and the toggle fit a phone's window without scrolling.
    function test_expanded_menu_fits() {
        const toggle = findChild(app, "HandleSelection")
        if (toggle.text === "More")
            mouseClick(toggle)
        tryVerify(() => findChild(app, "DefaultSettingsButton").opacity === 1, 3000)
        const bottom = toggle.mapToItem(app, 0, toggle.height).y
        verify(bottom <= app.height, "the toggle ends at " + bottom)
        for (const name of menu().controller.entries) {
            const button = findChild(app, name)
            verify(button, name + " is laid out")
            compare(button.visible, !button.outlet.hidden)
        }
        verify(findChild(app, "MapButton").visible, "the route map is offered")
        mouseClick(toggle)
    }

    function test_toggle_then_a_screen_and_back() {
        const toggle = findChild(app, "HandleSelection")
        const controller = menu().controller
        compare(toggle.text, "More", "a fresh install shows the collapsed set")
        compare(controller.DefaultSettingsButton.hidden, true)
        for (const name of ["ListButton", "AddSessionButton", "TotalsButton"])
            verify(findChild(app, name).visible, name + " is always offered")

        mouseClick(toggle)
        compare(toggle.text, "Less")
        compare(controller.DefaultSettingsButton.hidden, false)
        compare(AppState.menuExpanded, false, "the toggle leaves the flag alone")
        verify(!("Expanded" in TestStore.settingsFile()), "and writes nothing")

        const settings = findChild(app, "DefaultSettingsButton")
        tryVerify(() => settings.opacity === 1, 3000)
        mouseClick(settings)
        tryVerify(() => findChild(app, "DefaultSettingsViewController") !== null, 3000)
        verify(!findChild(app, "ListButton").visible, "no second way to navigate under a screen")
        mouseClick(findChild(app, "back"))
        tryVerify(() => findChild(app, "DefaultSettingsViewController") === null, 3000)
        compare(toggle.text, "More", "shown again, the menu follows the stored setting")
        compare(controller.DefaultSettingsButton.hidden, true)

        mouseClick(toggle)
        mouseClick(toggle)
        compare(toggle.text, "More", "toggling twice returns to where it was")
        compare(controller.DefaultSettingsButton.hidden, true)
    }
}
