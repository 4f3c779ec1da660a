pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// A month calendar. Tapping a day calls `picked` with that day at the time of `date`.
ColumnLayout {
    id: calendar
    property date date: new Date()
    property color textColor: Look.text
    property int shownYear: date.getFullYear()
    property int shownMonth: date.getMonth()
    signal picked(date date)

    onDateChanged: { shownYear = date.getFullYear(); shownMonth = date.getMonth() }

    function step(months) {
        const first = new Date(shownYear, shownMonth + months, 1)
        shownYear = first.getFullYear()
        shownMonth = first.getMonth()
    }

    RowLayout {
        Layout.fillWidth: true
        ToolButton { objectName: "previousMonth"; text: "\u2039"; onClicked: calendar.step(-1) }
        Label {
            objectName: "shownMonth"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.bold: true
            text: Qt.locale().standaloneMonthName(calendar.shownMonth) + " " + calendar.shownYear
        }
        ToolButton { objectName: "nextMonth"; text: "\u203a"; onClicked: calendar.step(1) }
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
        delegate: Label {
            required property var model
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
