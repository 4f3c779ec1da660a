import QtQuick
import QtQuick.Controls
import Pacelog

ScreenPage {
    id: page
    objectName: "DetailViewController"
    title: "Edit Session"
    readonly property alias controller: controller

    DetailViewController {
        id: controller
        detailItem: page.detailItem
    }
    Component.onCompleted: {
        controller.DarkMode = page.palette.window.hslLightness < 0.5
        controller.viewDidLoad()
    }

    SessionForm {
        anchors.fill: parent
        dateField: controller.dateTextField
        caloriesField: controller.caloriesTextField
        fatCaloriesField: controller.fatCaloriesTextField
        distanceField: controller.distanceTextField
        lapsField: controller.lapsTextField
        distanceLabel: controller.DistanceLabel
        saveButton: controller.saveButton
        picker: controller.datePickerView
        dateName: "dateTextField"
        caloriesName: "caloriesTextField"
        fatCaloriesName: "fatCaloriesTextField"
        distanceName: "distanceTextField"
        lapsName: "lapsTextField"
        saveName: "saveButton"
        pickerName: "datePickerView"
        onDateTapped: controller.DateEntered()
        onCaloriesEdited: controller.CalculateFatCals()
        onDistanceEdited: controller.calculateLaps()
        onFieldFocused: controller.dismissKeyboard()
        onDismissed: controller.dismissKeyboard()
        onSaveClicked: controller.saveRecord()
        onTodayClicked: controller.todayClick()
        onDoneClicked: controller.doneClick()
        onPicked: (moment) => controller.dateValueChanged(moment)
    }
}
