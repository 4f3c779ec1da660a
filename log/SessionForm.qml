import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The session form of the entry and edit screens: date (through the picker), calories, fat
// calories, distance, laps and the save button. Each screen hands in its own outlets and their
// names; the form reports what the person did.
Item {
    id: form
    required property Outlet dateField
    required property Outlet caloriesField
    required property Outlet fatCaloriesField
    required property Outlet distanceField
    required property Outlet lapsField
    required property Outlet distanceLabel
    required property Outlet saveButton
    required property Outlet picker
    required property string dateName
    required property string caloriesName
    required property string fatCaloriesName
    required property string distanceName
    required property string lapsName
    required property string saveName
    required property string pickerName
    property string datePlaceholder

    signal dateTapped()
    signal caloriesEdited()
    signal distanceEdited()
    signal fieldFocused()
    signal dismissed()
    signal saveClicked()
    signal todayClicked()
    signal doneClicked()
    signal picked(date moment)

    PinchArea {
        anchors.fill: parent
        pinch.target: content
        pinch.minimumScale: 0.5
        pinch.maximumScale: 3
    }

    Flickable {
        id: content
        anchors.fill: parent
        anchors.bottomMargin: datePanel.visible ? datePanel.height : 0
        contentHeight: grid.implicitHeight + 2 * Look.margin
        clip: true
        // A tap anywhere outside the fields ends editing.
        TapHandler {
            onTapped: { form.dismissed(); form.forceActiveFocus() }
        }
        GridLayout {
            id: grid
            x: Look.margin
            y: Look.margin
            width: form.width - 2 * Look.margin
            columns: 2
            columnSpacing: 12
            rowSpacing: 12

            Label { text: "Date"; color: Look.required }
            PaceField {
                id: date
                objectName: form.dateName
                Layout.fillWidth: true
                outlet: form.dateField
                required: true
                readOnly: true
                placeholderText: form.datePlaceholder
                caption: "Date"
                // The field only takes the picker's date: a tap, Enter, Space or the
                // accessibility Press opens the picker, and the keyboard goes on into it.
                function openPicker() {
                    form.dateTapped()
                    if (datePanel.visible)
                        datePanel.takeFocus()
                }
                TapHandler {
                    onTapped: { form.dateTapped(); date.forceActiveFocus() }
                }
                Keys.onReturnPressed: openPicker()
                Keys.onEnterPressed: openPicker()
                Keys.onSpacePressed: openPicker()
                Accessible.onPressAction: openPicker()
            }

            Label { text: "Calories"; color: Look.required }
            PaceField {
                objectName: form.caloriesName
                Layout.fillWidth: true
                outlet: form.caloriesField
                caption: "Calories"
                required: true
                onEdited: form.caloriesEdited()
                onActiveFocusChanged: if (activeFocus) form.fieldFocused()
            }

            Label { text: "Fat Calories" }
            PaceField {
                objectName: form.fatCaloriesName
                Layout.fillWidth: true
                outlet: form.fatCaloriesField
                caption: "Fat Calories"
                onActiveFocusChanged: if (activeFocus) form.fieldFocused()
            }

            Label {
                objectName: "DistanceLabel"
                text: form.distanceLabel.text
                color: Look.required
            }
            PaceField {
                objectName: form.distanceName
                Layout.fillWidth: true
                outlet: form.distanceField
                caption: form.distanceLabel.text
                required: true
                onEdited: form.distanceEdited()
                onActiveFocusChanged: if (activeFocus) form.fieldFocused()
            }

            Label { text: "Laps" }
            PaceField {
                objectName: form.lapsName
                Layout.fillWidth: true
                outlet: form.lapsField
                caption: "Laps"
                onActiveFocusChanged: if (activeFocus) form.fieldFocused()
            }

            PaceButton {
                objectName: form.saveName
                Layout.columnSpan: 2
                Layout.fillWidth: true
                Layout.topMargin: 12
                outlet: form.saveButton
                onClicked: form.saveClicked()
            }
        }
    }

    DatePickerPanel {
        id: datePanel
        objectName: form.pickerName
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        outlet: form.picker
        dateText: form.dateField.text
        // Today and Done close the picker; the keyboard goes back to the date field.
        onTodayClicked: {
            const keyboard = datePanel.holdsFocus()
            form.todayClicked()
            if (keyboard)
                date.forceActiveFocus(Qt.TabFocusReason)
        }
        onDoneClicked: {
            const keyboard = datePanel.holdsFocus()
            form.doneClicked()
            if (keyboard)
                date.forceActiveFocus(Qt.TabFocusReason)
        }
        onPicked: (moment) => form.picked(moment)
    }
}
