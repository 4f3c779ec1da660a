pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// The five fields of a place, shared by the add and edit screens. On the add screen the leg is
// picked from CityPickerView instead of typed (`legKeys` non-empty).
Flickable {
    id: form
    property Outlet nameOutlet
    property Outlet latitudeOutlet
    property Outlet longitudeOutlet
    property Outlet fromCityOutlet
    property Outlet milesOutlet
    property string milesName
    property var legKeys: []
    signal legPicked(int row)
    signal save()

    contentHeight: grid.implicitHeight + 2 * Look.margin
    clip: true
    // A tap anywhere outside the fields ends editing.
    TapHandler { onTapped: form.forceActiveFocus() }

    GridLayout {
        id: grid
        x: Look.margin
        y: Look.margin
        width: form.width - 2 * Look.margin
        columns: 2
        columnSpacing: 12
        rowSpacing: 12

        Label { text: "Name" }
        PaceField {
            objectName: "CityNameTextField"
            caption: "Name"
            Layout.fillWidth: true
            inputMethodHints: Qt.ImhNone
            outlet: form.nameOutlet
        }
        Label { text: "Latitude" }
        PaceField {
            objectName: "LatitudeTextField"
            caption: "Latitude"
            Layout.fillWidth: true
            outlet: form.latitudeOutlet
        }
        Label { text: "Longitude" }
        PaceField {
            objectName: "LongitudeTextField"
            caption: "Longitude"
            Layout.fillWidth: true
            outlet: form.longitudeOutlet
        }
        Label { text: "From City" }
        PaceField {
            id: fromCity
            objectName: "FromCityTextField"
            caption: "From City"
            Layout.fillWidth: true
            inputMethodHints: Qt.ImhNone
            outlet: form.fromCityOutlet
            readOnly: form.legKeys.length > 0
            TapHandler {
                enabled: form.legKeys.length > 0
                onTapped: cityPicker.open()
            }
            // Enter, Space and the accessibility Press open the picker as a tap does.
            function openPicker() {
                if (form.legKeys.length > 0)
                    cityPicker.open()
            }
            Keys.onReturnPressed: openPicker()
            Keys.onEnterPressed: openPicker()
            Keys.onSpacePressed: openPicker()
            Accessible.onPressAction: openPicker()
        }
        Label { text: "Miles From" }
        PaceField {
            objectName: form.milesName
            caption: "Miles From"
            Layout.fillWidth: true
            outlet: form.milesOutlet
        }
        PaceButton {
            objectName: "SaveLocation"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            text: "Save"
            onClicked: form.save()
        }
    }

    Popup {
        id: cityPicker
        objectName: "CityPickerView"
        parent: fromCity
        y: fromCity.height
        width: fromCity.width
        padding: 0
        modal: true
        focus: true
        background: Rectangle {
            radius: Look.fieldRadius
            border.width: Look.fieldBorder
            border.color: Look.border
        }
        contentItem: Column {
            Repeater {
                model: form.legKeys
                ItemDelegate {
                    required property string modelData
                    required property int index
                    objectName: modelData
                    width: cityPicker.width
                    text: modelData
                    focus: index === 0
                    focusPolicy: Qt.StrongFocus
                    Accessible.onPressAction: clicked()
                    Keys.onReturnPressed: clicked()
                    Keys.onEnterPressed: clicked()
                    Keys.onDownPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                    Keys.onUpPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.TabFocusReason)
                    FocusMark {
                        anchors.margins: 1
                        cornerRadius: 2
                        border.color: Look.focusMarkOnCell
                        shown: parent.activeFocus
                    }
                    onClicked: { form.legPicked(index); cityPicker.close(); fromCity.forceActiveFocus() }
                }
            }
        }
    }
}
