import QtQuick
import QtQuick.Controls
import Pacelog

// A day of the month calendar, ringed while the keyboard marks it. A file of its own: the
// grid hands its delegates their model through their context, which an id declared in the
// delegate itself would lock.
Label {
    id: day
    property bool marked: false
    property color ringColor

    FocusMark {
        anchors.margins: 0
        cornerRadius: 4
        border.color: day.ringColor
        shown: day.marked
    }
}
