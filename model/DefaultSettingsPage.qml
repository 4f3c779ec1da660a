import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "DefaultSettingsViewController"
    title: "Settings"

    readonly property alias controller: controller

    DefaultSettingsViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()

    component SettingRow: RowLayout {
        property alias label: caption.text
        property alias labelName: caption.objectName
        property alias control: holder.data
        Layout.fillWidth: true
        Label { id: caption; Layout.fillWidth: true; wrapMode: Text.WordWrap }
        Item { id: holder; implicitWidth: childrenRect.width; implicitHeight: childrenRect.height }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Look.margin
        clip: true
        ColumnLayout {
            id: column
            x: Look.margin
            y: Look.margin
            width: page.width - 2 * Look.margin
            spacing: 4

            Label { text: "Distance unit"; font.bold: true }
            SettingRow {
                label: "Miles"
                control: PaceSwitch {
                    objectName: "MilesSwitch"
                    Accessible.name: "Miles"
                    outlet: controller.MilesSwitch
                    onFlipped: controller.MilesSwitchFlipped()
                }
            }
            SettingRow {
                label: "Kilometers"
                control: PaceSwitch {
                    objectName: "KilometersSwitch"
                    Accessible.name: "Kilometers"
                    outlet: controller.KilometersSwitch
                    onFlipped: controller.KilometersSwitchFilpped()
                }
            }

            Label {
                objectName: "SelectDPLabel"
                text: controller.SelectDPLabel.text
                font.bold: true
                Layout.topMargin: 12
            }
            SettingRow {
                label: controller.UseDateWheelLabel.text
                labelName: "UseDateWheelLabel"
                control: PaceSwitch {
                    objectName: "DateWheelSwitch"
                    Accessible.name: controller.UseDateWheelLabel.text
                    outlet: controller.DateWheelSwitch
                    onFlipped: controller.DateWheelSwitchFlipped()
                }
            }
            SettingRow {
                label: controller.UseInlineDateLabel.text
                labelName: "UseInlineDateLabel"
                control: PaceSwitch {
                    objectName: "DateInlineSwitch"
                    Accessible.name: controller.UseInlineDateLabel.text
                    outlet: controller.DateInlineSwitch
                    onFlipped: controller.DateInlineSwitchFlipped()
                }
            }
            SettingRow {
                label: controller.UseCompactDateLabel.text
                labelName: "UseCompactDateLabel"
                control: PaceSwitch {
                    objectName: "DateCompactSwitch"
                    Accessible.name: controller.UseCompactDateLabel.text
                    outlet: controller.DateCompactSwitch
                    onFlipped: controller.DateCompactSwitchFlipped()
                }
            }

            Label { text: "Route places"; font.bold: true; Layout.topMargin: 12 }
            SettingRow {
                label: "Reload the built-in places at the next start"
                control: PaceSwitch {
                    objectName: "LocationSwitch"
                    Accessible.name: "Reload the built-in places at the next start"
                    outlet: controller.LocationSwitch
                    onFlipped: controller.LocationSwitchFlipped()
                }
            }

            Label { text: "Main menu"; font.bold: true; Layout.topMargin: 12 }
            SettingRow {
                label: "Show every menu entry"
                control: PaceSwitch {
                    objectName: "MainMenuSwitch"
                    Accessible.name: "Show every menu entry"
                    outlet: controller.MainMenuSwitch
                    onFlipped: controller.MainMenuSwitchFlipped()
                }
            }
        }
    }
}
