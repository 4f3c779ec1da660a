import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Controls.Material
import Pacelog

// The date input shown while a date field is edited: a "Today" / "Done" toolbar above a
// picker in the style the settings chose (wheel, inline calendar, compact, or automatic).
Rectangle {
    id: panel
    property Outlet outlet: null
    signal todayClicked()
    signal doneClicked()
    signal picked(date date)

    objectName: "datePicker"
    readonly property date date: outlet && outlet.date ? outlet.date : new Date()
    readonly property string style: outlet ? outlet.style : "automatic"
    property bool compactOpen: false
    // The chosen date as the screen shows it (the compact style's button).
    property string dateText: ""

    visible: outlet ? !outlet.hidden : false
    // The picker stays white in both appearances, its wheels and days dark on it.
    color: "white"
    border.color: Look.divider
    Material.theme: Material.Light
    implicitHeight: column.implicitHeight
    onVisibleChanged: compactOpen = false

    // Picking from code (tests, accessibility) behaves like turning the wheel.
    function pick(moment) { picked(moment) }
    // The keyboard enters the picker at the style's own control.
    function takeFocus() {
        if (wheels.visible)
            wheels.takeFocus()
        else if (compact.visible)
            compact.forceActiveFocus(Qt.TabFocusReason)
        else
            calendar.takeFocus()
    }
    function holdsFocus() {
        for (let item = panel.Window.activeFocusItem; item; item = item.parent) {
            if (item === panel)
                return true
        }
        return false
    }
    // Escape inside the picker is Done rather than leaving the screen.
    Keys.onShortcutOverride: (event) => event.accepted = event.key === Qt.Key_Escape
    Keys.onEscapePressed: panel.doneClicked()

    MouseArea { anchors.fill: parent } // keeps taps on the panel from reaching the screen

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 0
        ToolBar {
            Layout.fillWidth: true
            background: Rectangle { color: Look.barBackground; border.color: Look.divider }
            RowLayout {
                anchors.fill: parent
                PaceToolButton {
                    objectName: "todayClick"
                    text: "Today"
                    textColor: Look.toolbarTint
                    textSize: font.pixelSize
                    bold: true
                    onClicked: panel.todayClicked()
                }
                Item { Layout.fillWidth: true }
                PaceToolButton {
                    objectName: "doneClick"
                    text: "Done"
                    textColor: Look.toolbarTint
                    textSize: font.pixelSize
                    bold: true
                    onClicked: panel.doneClicked()
                }
            }
        }
        WheelDatePicker {
            id: wheels
            objectName: "wheelPicker"
            visible: panel.style === "wheel" || panel.style === "automatic"
            Layout.fillWidth: true
            Layout.preferredHeight: visible ? 216 : 0
            date: panel.date
            onPicked: (moment) => panel.picked(moment)
        }
        PlainButton {
            id: compact
            objectName: "compactDate"
            visible: panel.style === "compact"
            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 8
            text: panel.dateText
            onClicked: panel.compactOpen = !panel.compactOpen
        }
        CalendarDatePicker {
            id: calendar
            objectName: "calendarPicker"
            visible: panel.style === "inline" || (panel.style === "compact" && panel.compactOpen)
            Layout.fillWidth: true
            Layout.margins: 8
            date: panel.date
            textColor: "black"
            onPicked: (moment) => panel.picked(moment)
        }
    }
}
