import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "DetailViewController"
    title: "Edit Session"

    DetailViewController {
        id: controller
        detailItem: page.detailItem
    }
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
                objectName: "dateTextField"
                Layout.fillWidth: true
                outlet: controller.dateTextField
                required: true
                readOnly: true
                // The field only takes the picker's date.
                TapHandler {
                    onTapped: { controller.DateEntered(); dateField.forceActiveFocus() }
                }
            }

            Label { text: "Calories"; color: Look.required }
            PaceField {
                objectName: "caloriesTextField"
                Layout.fillWidth: true
                outlet: controller.caloriesTextField
                required: true
                onEdited: controller.CalculateFatCals()
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label { text: "Fat Calories" }
            PaceField {
                objectName: "fatCaloriesTextField"
                Layout.fillWidth: true
                outlet: controller.fatCaloriesTextField
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label {
                objectName: "DistanceLabel"
                text: controller.DistanceLabel.text
                color: Look.required
            }
            PaceField {
                objectName: "distanceTextField"
                Layout.fillWidth: true
                outlet: controller.distanceTextField
                required: true
                onEdited: controller.calculateLaps()
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            Label { text: "Laps" }
            PaceField {
                objectName: "lapsTextField"
                Layout.fillWidth: true
                outlet: controller.lapsTextField
                onActiveFocusChanged: if (activeFocus) controller.dismissKeyboard()
            }

            PaceButton {
                objectName: "saveButton"
                Layout.columnSpan: 2
                Layout.fillWidth: true
                Layout.topMargin: 12
                outlet: controller.saveButton
                onClicked: controller.saveRecord()
            }
        }
    }

    DatePickerPanel {
        id: picker
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        outlet: controller.datePickerView
        dateText: controller.dateTextField.text
        onTodayClicked: controller.todayClick()
        onDoneClicked: controller.doneClick()
        onPicked: (moment) => controller.dateValueChanged(moment)
    }
}
