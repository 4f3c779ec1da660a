import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The main menu. At the start it fills the screen; while another screen is open it is docked
// below it as a compact bar of the same buttons.
ScreenPage {
    id: page
    objectName: "MainMenuViewController"
    title: "Pacelog"
    unwinds: ["unwindToMenu"]
    segues: ({
        "showList": "../log/MasterPage.qml",
        "showAddSession": "../log/EnterTreadmillDataPage.qml",
        "showTotals": "../summary/TotalsPage.qml",
        "showMilesSummary": "../summary/YearlyPage.qml",
        "showSettings": "../model/DefaultSettingsPage.qml"
    })
    property bool docked: false
    readonly property real implicitDockedHeight: entries.implicitHeight + 12
    readonly property alias controller: controller

    MainMenuViewController { id: controller }
    Component.onCompleted: { controller.viewDidLoad(); controller.viewWillAppear() }
    onAppearing: controller.viewWillAppear()

    background: Rectangle {
        color: "white"
        Rectangle { visible: page.docked; width: parent.width; height: 1; color: "#cccccc" }
    }

    // Buttons share one size: a full-width row each, or a quarter of the bar when docked.
    component MenuButton: PaceButton {
        width: page.docked ? (entries.width - 3 * entries.spacing) / 4
                           : entries.width
        implicitHeight: page.docked ? 34 : 52
        font.pixelSize: page.docked ? 11 : 17
    }

    // A button of the controller's MainMenuButton set: when its outlet's hidden state flips it
    // folds in or out over 0.3 s and the buttons below move up or down with it.
    component CollapsibleMenuButton: MenuButton {
        property real reveal: outlet && outlet.hidden ? 0 : 1
        Behavior on reveal { NumberAnimation { duration: 300; easing.type: Easing.InOutQuad } }
        visible: reveal > 0
        opacity: reveal
        implicitHeight: (page.docked ? 34 : 52) * reveal
    }

    Flickable {
        anchors.fill: parent
        contentHeight: entries.implicitHeight + 2 * entries.y
        interactive: !page.docked
        clip: true
        Flow {
            id: entries
            x: page.docked ? 6 : Look.margin
            y: page.docked ? 6 : Look.margin
            width: page.width - 2 * x
            spacing: page.docked ? 4 : 12

            MenuButton {
                objectName: "ListButton"
                outlet: controller.ListButton
                onClicked: Navigator.performSegue("showList")
            }
            MenuButton {
                objectName: "AddSessionButton"
                outlet: controller.AddSessionButton
                onClicked: Navigator.performSegue("showAddSession")
            }
            MenuButton {
                objectName: "TotalsButton"
                outlet: controller.TotalsButton
                onClicked: Navigator.performSegue("showTotals")
            }
            MenuButton {
                objectName: "MilesSummaryButton"
                outlet: controller.MilesSummaryButton
                onClicked: Navigator.performSegue("showMilesSummary")
            }
            MenuButton {
                objectName: "DefaultSettingsButton"
                outlet: controller.DefaultSettingsButton
                onClicked: Navigator.performSegue("showSettings")
            }
            MenuButton {
                objectName: "HandleSelection"
                visible: !page.docked
                text: controller.toggleTitle
                onClicked: controller.HandleSelection()
            }
        }
    }
}
