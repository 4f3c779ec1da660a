import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "EnterTreadmillDataViewController"
    title: "New Session"

    EnterTreadmillDataViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = Look.dark
        controller.viewDidLoad()
    }

    PinchArea {
        anchors.fill: parent
        pinch.target: content
        pinch.minimumScale: 0.5
        pinch.maximumScale: 3
    }

    Flickable {
        id: content
        anchors.fill: parent
        anchors.bottomMargin: picker.visible ? picker.height : 0
        contentHeight: form.implicitHeight + 2 * Look.margin
        clip: true
        // A tap anywhere outside the fields ends editing.
        TapHandler {
            onTapped: { controller.dismissKeyboard(); page.forceActiveFocus() }
        }
        GridLayout {
            id: form
            x: Look.margin
            y: Look.margin
            width: page.width - 2 * Look.margin
            columns: 2
            columnSpacing: 12
            rowSpacing: 12

            Label { text: "Date"; color: Look.required }
            PaceField {
                id: dateField
                objectName: "textDate"
                Layout.fillWidth: true
                outlet: controller.textDate
                required: true
                readOnly: true
                placeholderText: "Tap to pick"
                // The field only takes the picker's date.
                TapHandler {
                    onTapped: { controller.DateEntered(); dateField.forceActiveFocus() }
                }
            }

            Label { text: "Calories"; color: Look.required }
            PaceField {
                objectName: "textCalories"
                Layout.fillWidth: true
                outlet: controller.textCalories
                required: true
                onEdited: controller.CalculateFatCals()
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label { text: "Fat Calories" }
            PaceField {
                objectName: "textFatCalories"
                Layout.fillWidth: true
                outlet: controller.textFatCalories
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label {
                objectName: "DistanceLabel"
                text: controller.DistanceLabel.text
                color: Look.required
            }
            PaceField {
                objectName: "textDistance"
                Layout.fillWidth: true
                outlet: controller.textDistance
                required: true
                onEdited: controller.calculateLaps()
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label { text: "Laps" }
            PaceField {
                objectName: "textLaps"
                Layout.fillWidth: true
                outlet: controller.textLaps
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            PaceButton {
                objectName: "btnSave"
                Layout.columnSpan: 2
                Layout.fillWidth: true
                Layout.topMargin: 12
                outlet: controller.btnSave
                onClicked: controller.btnSavedPressed()
            }
        }
    }

    DatePickerPanel {
        id: picker
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        outlet: controller.datePicker
        dateText: controller.textDate.text
        onTodayClicked: controller.todayClick()
        onDoneClicked: controller.doneClick()
        onPicked: (moment) => controller.dateValueChanged(moment)
    }
}
