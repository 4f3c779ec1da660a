import QtQuick
import QtQuick.Controls
import Pacelog

// A stock button in the style's own look (an alert's or a prompt's flat buttons, a segment)
// that the keyboard and the accessibility Press reach like a tap.
Button {
    id: control
    focusPolicy: Qt.StrongFocus
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()
    Keys.onReturnPressed: if (control.enabled) control.clicked()
    Keys.onEnterPressed: if (control.enabled) control.clicked()
    FocusMark {
        anchors.margins: 0
        cornerRadius: 4
        shown: control.visualFocus
    }
}
