pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacelog

// Month, day and year wheels. `date` shows the outlet's date; turning a wheel calls `picked`.
Item {
    id: wheel
    property date date: new Date()
    signal picked(date date)

    implicitHeight: 216
    property bool syncing: false
    // Any stored session's year is on the wheel, so turning another wheel keeps the year.
    readonly property int firstYear: Math.min(1900, date.getFullYear())
    readonly property int lastYear: Math.max(2100, date.getFullYear())
    readonly property var monthNames: Array.from({ length: 12 },
        (_, m) => Qt.locale().standaloneMonthName(m, Locale.ShortFormat))

    function daysIn(year, month) { return new Date(year, month + 1, 0).getDate() }
    function syncFromDate() {
        syncing = true
        monthWheel.currentIndex = date.getMonth()
        yearWheel.currentIndex = Math.max(0, Math.min(lastYear - firstYear, date.getFullYear() - firstYear))
        dayWheel.currentIndex = date.getDate() - 1
        syncing = false
    }
    // A wheel whose index was set while it was hidden keeps showing its old row.
    function showIndexes() {
        for (const each of [monthWheel, dayWheel, yearWheel])
            each.positionViewAtIndex(each.currentIndex, Tumbler.Center)
    }
    // Only a wheel that a person turned and that came to rest picks a date; index changes while
    // the wheels are built or re-synced are not picks.
    function wheelsMoved() {
        if (syncing || !visible)
            return
        const year = firstYear + yearWheel.currentIndex
        const month = monthWheel.currentIndex
        const day = Math.min(dayWheel.currentIndex + 1, daysIn(year, month))
        const moment = new Date(date.getTime())
        moment.setFullYear(year, month, day)
        picked(moment)
    }
    function takeFocus() { monthWheel.forceActiveFocus(Qt.TabFocusReason) }

    // One wheel. Up and Down (and the accessibility Increase / Decrease) turn it a row at a
    // time, which picks like a flick that came to rest; it is announced with its choice.
    component Wheel: Tumbler {
        id: turning
        property string caption
        property string choice
        function turn(rows) {
            const next = turning.currentIndex + rows
            if (next < 0 || next >= turning.count)
                return
            turning.currentIndex = next
            wheel.wheelsMoved()
        }
        Layout.fillWidth: true
        focusPolicy: Qt.StrongFocus
        Accessible.ignored: true
        AccessibleStandIn {
            Accessible.name: turning.caption + " " + turning.choice
            Accessible.onIncreaseAction: turning.turn(1)
            Accessible.onDecreaseAction: turning.turn(-1)
        }
        Keys.onUpPressed: turning.turn(-1)
        Keys.onDownPressed: turning.turn(1)
        onMovingChanged: if (!moving) wheel.wheelsMoved()
        FocusMark {
            anchors.margins: 2
            cornerRadius: 4
            border.color: Look.focusMarkOnCell // the picker is white in both appearances
            shown: turning.visualFocus
        }
    }

    onDateChanged: syncFromDate()
    onFirstYearChanged: syncFromDate()
    onVisibleChanged: if (visible) { syncFromDate(); showIndexes() }
    Component.onCompleted: syncFromDate()

    RowLayout {
        anchors.fill: parent
        Wheel {
            id: monthWheel
            objectName: "monthWheel"
            caption: "Month"
            choice: wheel.monthNames[currentIndex] ?? ""
            model: wheel.monthNames
        }
        Wheel {
            id: dayWheel
            objectName: "dayWheel"
            caption: "Day"
            choice: currentIndex + 1
            model: 31
            delegate: Label {
                required property int index
                text: index + 1
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            }
        }
        Wheel {
            id: yearWheel
            objectName: "yearWheel"
            caption: "Year"
            choice: wheel.firstYear + currentIndex
            model: wheel.lastYear - wheel.firstYear + 1
            delegate: Label {
                required property int index
                text: wheel.firstYear + index
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            }
        }
    }
}
