import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

ScreenPage {
    id: page
    objectName: "TotalsViewController"
    title: "Totals"
    clip: true
    draggedContent: content

    readonly property alias controller: controller

    TotalsViewController { id: controller }
    Component.onCompleted: controller.viewDidLoad()
    StackView.onDeactivating: controller.viewWillDisappear()

    component TotalField: PaceField {
        readOnly: true
        // A drag that starts on a figure moves the screen rather than selecting text.
        selectByMouse: false
        font.pixelSize: 14
        Layout.fillWidth: true
        Layout.preferredWidth: 100
        background: Rectangle {
            implicitHeight: 32
            radius: Look.fieldRadius
            border.width: Look.fieldBorder
            border.color: Look.fieldBorderColor
            color: Look.fieldBackground
        }
        topPadding: 4
        bottomPadding: 4
    }

    component Caption: Label {
        font.pixelSize: 13
    }

    component TotalsBlock: ColumnLayout {
        id: block
        property string name            // "Ltd", "Ytd", "Mtd"
        property Outlet header: null
        property Outlet calories: null
        property Outlet fatCalories: null
        property Outlet distance: null
        property Outlet laps: null
        property Outlet unit: null
        Layout.fillWidth: true
        spacing: 4

        Label {
            objectName: block.name.toUpperCase() + "TotalsLabel"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: block.header ? block.header.text : ""
            font.underline: true
            font.bold: true
            elide: Text.ElideRight
        }
        GridLayout {
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 6
            rowSpacing: 4
            Caption { text: "Calories" }
            TotalField {
                objectName: "text" + block.name + "Cals"
                caption: block.name.toUpperCase() + " Calories"
                outlet: block.calories
            }
            Caption { text: "Fat Cals" }
            TotalField {
                objectName: "text" + block.name + "FatCals"
                caption: block.name.toUpperCase() + " Fat Cals"
                outlet: block.fatCalories
            }
            Caption { text: "Distance" }
            RowLayout {
                Layout.fillWidth: true
                spacing: 4
                TotalField {
                    objectName: "text" + block.name + "Miles"
                    caption: block.name.toUpperCase() + " Distance " + (block.unit ? block.unit.text : "")
                    outlet: block.distance
                }
                Caption {
                    objectName: block.name.toUpperCase() + "DistanceLabel"
                    text: block.unit ? block.unit.text : ""
                }
            }
            Caption { text: "Laps" }
            TotalField {
                objectName: "text" + block.name + "Laps"
                caption: block.name.toUpperCase() + " Laps"
                outlet: block.laps
            }
        }
    }

    component LegRow: RowLayout {
        id: leg
        property string captionName
        property string fieldName
        property Outlet caption: null
        property Outlet field: null
        Layout.fillWidth: true
        Caption {
            objectName: leg.captionName
            Layout.fillWidth: true
            text: leg.caption ? leg.caption.text : ""
            wrapMode: Text.WordWrap
        }
        TotalField {
            objectName: leg.fieldName
            Layout.fillWidth: false
            Layout.preferredWidth: 140
            caption: leg.caption ? leg.caption.text : ""
            outlet: leg.field
        }
    }

    // Pinching zooms the whole screen and dragging moves it around.
    PinchArea {
        anchors.fill: parent
        pinch.target: content
        pinch.minimumScale: 0.5
        pinch.maximumScale: 3
        pinch.dragAxis: Pinch.NoDrag

        Item {
            id: content
            objectName: "totalsContent"
            width: page.width
            height: column.implicitHeight + 16
            transformOrigin: Item.Top

            DragHandler { target: content }

            ColumnLayout {
                id: column
                x: 12
                y: 8
                width: content.width - 24
                spacing: 8

                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        objectName: "todaysDateLabel"
                        Layout.fillWidth: true
                        text: controller.todaysDateLabel.text
                        elide: Text.ElideRight
                    }
                    PaceButton {
                        objectName: "PrintButtonClicked"
                        text: "Print"
                        implicitHeight: 36
                        onClicked: controller.PrintButtonClicked()
                    }
                }

                // The reference date of the year and month blocks: a compact date button that
                // opens a month calendar.
                ColumnLayout {
                    id: picker
                    objectName: "rangeDatePicker"
                    property bool open: false
                    // Picking from code (tests, accessibility) behaves like tapping a day.
                    function pick(moment) { controller.rangeDatePickerChanged(moment) }
                    Layout.fillWidth: true
                    spacing: 0

                    RowLayout {
                        Layout.fillWidth: true
                        Label { text: "Year and month of"; Layout.fillWidth: true }
                        PaceButton {
                            id: compactDate
                            objectName: "compactDate"
                            text: controller.rangeDatePicker.text
                            Accessible.name: "Year and month of " + text
                            implicitHeight: 36
                            onClicked: {
                                picker.open = !picker.open
                                if (picker.open && visualFocus)
                                    calendar.takeFocus()
                            }
                        }
                    }
                    CalendarDatePicker {
                        id: calendar
                        objectName: "calendarPicker"
                        visible: picker.open
                        Layout.fillWidth: true
                        date: controller.rangeDatePicker.date
                        onPicked: (moment) => {
                            const keyboard = calendar.daysFocused
                            picker.open = false
                            controller.rangeDatePickerChanged(moment)
                            if (keyboard)
                                compactDate.forceActiveFocus(Qt.TabFocusReason)
                        }
                    }
                }

                TotalsBlock {
                    name: "Ltd"
                    header: controller.LTDTotalsLabel
                    calories: controller.textLtdCals
                    fatCalories: controller.textLtdFatCals
                    distance: controller.textLtdMiles
                    laps: controller.textLtdLaps
                    unit: controller.LTDDistanceLabel
                }
                TotalsBlock {
                    name: "Ytd"
                    header: controller.YTDTotalsLabel
                    calories: controller.textYtdCals
                    fatCalories: controller.textYtdFatCals
                    distance: controller.textYtdMiles
                    laps: controller.textYtdLaps
                    unit: controller.YTDDistanceLabel
                }
                TotalsBlock {
                    name: "Mtd"
                    header: controller.MTDTotalsLabel
                    calories: controller.textMtdCals
                    fatCalories: controller.textMtdFatCals
                    distance: controller.textMtdMiles
                    laps: controller.textMtdLaps
                    unit: controller.MTDDistanceLabel
                }

                Label {
                    objectName: "RouteExplanationLabel"
                    Layout.fillWidth: true
                    Layout.topMargin: 4
                    text: controller.RouteExplanationLabel.text
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: 12
                }
                LegRow {
                    captionName: "MilesToSLCLabel"
                    fieldName: "FirstCityTextField"
                    caption: controller.MilesToSLCLabel
                    field: controller.FirstCityTextField
                }
                LegRow {
                    captionName: "MilesToSeattleLabel"
                    fieldName: "SecondCityTextField"
                    caption: controller.MilesToSeattleLabel
                    field: controller.SecondCityTextField
                }
                LegRow {
                    captionName: "MilesToBangorLabel"
                    fieldName: "ThirdCityTextField"
                    caption: controller.MilesToBangorLabel
                    field: controller.ThirdCityTextField
                }
                LegRow {
                    captionName: "MilesToMiamiLabel"
                    fieldName: "FourthCityTextField"
                    caption: controller.MilesToMiamiLabel
                    field: controller.FourthCityTextField
                }
            }
        }
    }
}
