import QtQuick
import QtQuick.Controls
import Pacelog

// A rounded, bordered button. With an outlet it follows the outlet's title, enabled and hidden.
Button {
    id: control
    property Outlet outlet: null

    text: outlet ? outlet.text : ""
    enabled: outlet ? outlet.enabled : true
    visible: outlet ? !outlet.hidden : true
    implicitHeight: 48
    flat: true
    font.capitalization: Font.MixedCase
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
}
