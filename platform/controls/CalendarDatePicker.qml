pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// A month calendar. Tapping a day calls `picked` with that day at the time of `date`. With the
// keyboard the arrows move a marked day (Left / Right a day, Up / Down a week, Page Up / Page
// Down a month) and Enter or Space picks it; the accessibility Increase / Decrease move it a
// day and Press picks it.
ColumnLayout {
    id: calendar
    property date date: new Date()
    property color textColor: Look.text
    property int shownYear: date.getFullYear()
    property int shownMonth: date.getMonth()
    // The day the keyboard marks, shown with a ring while the days have the focus.
    property date cursor: date
    readonly property bool daysFocused: grid.activeFocus
    signal picked(date date)

    onDateChanged: { shownYear = date.getFullYear(); shownMonth = date.getMonth(); cursor = date }

    function takeFocus() { grid.forceActiveFocus(Qt.TabFocusReason) }
    function moveCursor(days, months) {
        const next = new Date(cursor.getFullYear(), cursor.getMonth() + months, cursor.getDate() + days)
        cursor = next
        shownYear = next.getFullYear()
        shownMonth = next.getMonth()
    }
    function pickCursor() {
        const moment = new Date(date.getTime())
        moment.setFullYear(cursor.getFullYear(), cursor.getMonth(), cursor.getDate())
        picked(moment)
    }

    function step(months) {
        const first = new Date(shownYear, shownMonth + months, 1)
        shownYear = first.getFullYear()
        shownMonth = first.getMonth()
    }

    RowLayout {
        Layout.fillWidth: true
        PaceToolButton {
            objectName: "previousMonth"
            text: "\u2039"
            Accessible.name: "Previous month"
            textColor: calendar.textColor
            onClicked: calendar.step(-1)
        }
        Label {
            objectName: "shownMonth"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.bold: true
            text: Qt.locale().standaloneMonthName(calendar.shownMonth) + " " + calendar.shownYear
        }
        PaceToolButton {
            objectName: "nextMonth"
            text: "\u203a"
            Accessible.name: "Next month"
            textColor: calendar.textColor
            onClicked: calendar.step(1)
        }
    }
    DayOfWeekRow {
        Layout.fillWidth: true
    }
    MonthGrid {
        id: grid
        objectName: "monthGrid"
        Layout.fillWidth: true
        month: calendar.shownMonth
        year: calendar.shownYear
        focusPolicy: Qt.StrongFocus
        Accessible.ignored: true
        AccessibleStandIn {
            z: 1
            Accessible.name: "Day " + calendar.cursor.getDate() + " "
                             + Qt.locale().standaloneMonthName(calendar.cursor.getMonth())
                             + " " + calendar.cursor.getFullYear()
            Accessible.onIncreaseAction: calendar.moveCursor(1, 0)
            Accessible.onDecreaseAction: calendar.moveCursor(-1, 0)
            Accessible.onPressAction: calendar.pickCursor()
        }
        Keys.onLeftPressed: calendar.moveCursor(-1, 0)
        Keys.onRightPressed: calendar.moveCursor(1, 0)
        Keys.onUpPressed: calendar.moveCursor(-7, 0)
        Keys.onDownPressed: calendar.moveCursor(7, 0)
        Keys.onPressed: (event) => {
            if (event.key === Qt.Key_PageUp || event.key === Qt.Key_PageDown) {
                calendar.moveCursor(0, event.key === Qt.Key_PageUp ? -1 : 1)
                event.accepted = true
            } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                       || event.key === Qt.Key_Space) {
                calendar.pickCursor()
                event.accepted = true
            }
        }
        delegate: CalendarDay {
            required property var model
            marked: grid.activeFocus && model.day === calendar.cursor.getDate()
                    && model.month === calendar.cursor.getMonth()
                    && model.year === calendar.cursor.getFullYear()
            ringColor: calendar.textColor
            objectName: model.month === grid.month ? "day" + model.day : ""
            text: model.day
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            opacity: model.month === grid.month ? 1 : 0.3
            font.bold: model.month === grid.month && model.day === calendar.date.getDate()
                       && model.month === calendar.date.getMonth()
                       && model.year === calendar.date.getFullYear()
            color: font.bold ? Look.accent : calendar.textColor
        }
        onClicked: (day) => {
            // The grid hands over its day as midnight UTC; read that day, not the local one.
            const utc = day.getUTCHours() === 0 && day.getUTCMinutes() === 0
            const moment = new Date(calendar.date.getTime())
            moment.setFullYear(utc ? day.getUTCFullYear() : day.getFullYear(),
                               utc ? day.getUTCMonth() : day.getMonth(),
                               utc ? day.getUTCDate() : day.getDate())
            calendar.picked(moment)
        }
    }
}
