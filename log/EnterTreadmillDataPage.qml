import QtQuick
import QtQuick.Controls
import Pacelog

ScreenPage {
    id: page
    objectName: "EnterTreadmillDataViewController"
    title: "New Session"
    readonly property alias controller: controller

    EnterTreadmillDataViewController { id: controller }
    Component.onCompleted: {
        controller.DarkMode = page.palette.window.hslLightness < 0.5
        controller.viewDidLoad()
    }

    SessionForm {
        anchors.fill: parent
        dateField: controller.textDate
        caloriesField: controller.textCalories
        fatCaloriesField: controller.textFatCalories
        distanceField: controller.textDistance
        lapsField: controller.textLaps
        distanceLabel: controller.DistanceLabel
        saveButton: controller.btnSave
        picker: controller.datePicker
        dateName: "textDate"
        caloriesName: "textCalories"
        fatCaloriesName: "textFatCalories"
        distanceName: "textDistance"
        lapsName: "textLaps"
        saveName: "btnSave"
        pickerName: "datePicker"
        datePlaceholder: "Tap to pick"
        onDateTapped: controller.DateEntered()
        onCaloriesEdited: controller.CalculateFatCals()
        onDistanceEdited: controller.calculateLaps()
        onFieldFocused: controller.dismissKeyboard()
        onDismissed: controller.dismissKeyboard()
        onSaveClicked: controller.btnSavedPressed()
        onTodayClicked: controller.todayClick()
        onDoneClicked: controller.doneClick()
        onPicked: (moment) => controller.dateValueChanged(moment)
    }
}
