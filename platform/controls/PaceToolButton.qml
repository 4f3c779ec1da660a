import QtQuick
import QtQuick.Controls
import Pacelog

// A flat text button of a bar, a picker's toolbar or an alert. `text` is what it shows; a
// button that shows a sign (an arrow, "+") gets its spoken name through `Accessible.name`.
// The accessibility Press and the Enter key do what a click does.
ToolButton {
    id: control
    property color textColor: Look.accent
    property int textSize: 17
    property bool bold: false

    focusPolicy: Qt.StrongFocus
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()
    Keys.onReturnPressed: if (control.enabled) control.clicked()
    Keys.onEnterPressed: if (control.enabled) control.clicked()

    contentItem: Label {
        text: control.text
        color: control.textColor
        opacity: control.enabled ? 1 : 0.4
        font.pixelSize: control.textSize
        font.bold: control.bold
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    FocusMark {
        anchors.margins: 1
        cornerRadius: 4
        shown: control.visualFocus
    }
}
