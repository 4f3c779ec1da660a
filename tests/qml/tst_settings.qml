import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "Settings"

    function openSettings() {
        return open("DefaultSettingsButton", "DefaultSettingsViewController")
    }

    function test_switches_write_the_settings_file() {
        compare(TestStore.settingsFile()["Distance"], "Miles", "the menu wrote the default")
        let page = openSettings()
        mouseClick(findChild(page, "KilometersSwitch"))
        compare(page.controller.KilometersSwitch.checked, true)
        compare(TestStore.settingsFile()["Distance"], "Kilometers")
        compare(AppState.distanceUnit, "Kilometers")

        mouseClick(findChild(page, "DateWheelSwitch"))
        mouseClick(findChild(page, "DateCompactSwitch"))
        compare(findChild(page, "DateWheelSwitch").checked, false, "one style at a time")
        let file = TestStore.settingsFile()
        compare(String(file["UseDateWheel"]), "false")
        compare(String(file["UseDateCompact"]), "true")
        compare(String(file["UseDateInline"]), "false")

        mouseClick(findChild(page, "LocationSwitch"))
        mouseClick(findChild(page, "MainMenuSwitch"))
        file = TestStore.settingsFile()
        compare(file["FirstTime"], "true")
        compare(file["Expanded"], "true")
        mouseClick(findChild(page, "LocationSwitch"))
        compare(TestStore.settingsFile()["FirstTime"], "false", "off is the text false")
        toMenu()
        compare(findChild(app, "MainMenuViewController").controller.DefaultSettingsButton.hidden,
                false, "shown again, the menu follows the switch")
        page = openSettings()

        // Switching the chosen style off keeps it stored, so it shows again on reopening.
        mouseClick(findChild(page, "DateCompactSwitch"))
        compare(String(TestStore.settingsFile()["UseDateCompact"]), "true")
        page = openSettings()
        compare(findChild(page, "DateCompactSwitch").checked, true)
        compare(findChild(page, "KilometersSwitch").checked, true)
        compare(findChild(page, "MilesSwitch").checked, false)
        compare(findChild(page, "MainMenuSwitch").checked, true)
    }
}
