import QtQuick
import QtQuick.Controls
import Pacelog

// A rounded, bordered button. With an outlet it follows the outlet's title, enabled and hidden.
// The accessibility Press, Space and Enter do what a click does.
Button {
    id: control
    property Outlet outlet: null

    text: outlet ? outlet.text : ""
    enabled: outlet ? outlet.enabled : true
    visible: outlet ? !outlet.hidden : true
    implicitHeight: 48
    flat: true
    font.capitalization: Font.MixedCase
    focusPolicy: Qt.StrongFocus
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()
    Keys.onReturnPressed: if (control.enabled) control.clicked()
    Keys.onEnterPressed: if (control.enabled) control.clicked()
    // Black on the light cell background in both appearances.
    contentItem: Label {
        text: control.text
        font: control.font
        color: Look.cellText
        opacity: control.enabled ? 1 : 0.4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: Look.buttonRadius
        border.width: Look.buttonBorder
        border.color: Look.border
        color: control.down ? Qt.darker(Look.cellBackground, 1.08) : Look.cellBackground
        opacity: control.enabled ? 1 : 0.5
    }
    FocusMark { shown: control.visualFocus }
}
