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

    TestCase {
        name: "MainMenu"
        when: windowShown

        function menu() { return findChild(app, "MainMenuViewController") }

        function test_a_first_start_loads_the_route() {
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

        function test_b_toggle_then_a_screen_and_back() {
            const toggle = findChild(app, "HandleSelection")
            const controller = menu().controller
            verify(toggle.visible)
            compare(toggle.text, "More", "a fresh install shows the collapsed set")
            compare(controller.RateShareButton.hidden, true)

            mouseClick(toggle)
            compare(toggle.text, "Less")
            compare(controller.RateShareButton.hidden, false)
            compare(AppState.menuExpanded, false, "the toggle leaves the flag alone")
            verify(!("Expanded" in TestStore.settingsFile()), "and writes nothing")
            for (const name of ["ListButton", "AddSessionButton", "TotalsButton", "DefaultSettingsButton"])
                verify(findChild(app, name).visible, name + " is always offered")

            mouseClick(findChild(app, "DefaultSettingsButton"))
            tryVerify(() => findChild(app, "DefaultSettingsViewController") !== null, 3000)
            mouseClick(findChild(app, "back"))
            tryVerify(() => findChild(app, "DefaultSettingsViewController") === null, 3000)
            compare(toggle.text, "More", "shown again, the menu follows the stored setting")
            compare(controller.RateShareButton.hidden, true)

            mouseClick(toggle)
            mouseClick(toggle)
            compare(toggle.text, "More", "toggling twice returns to where it was")
            compare(controller.RateShareButton.hidden, true)
        }
    }
}
