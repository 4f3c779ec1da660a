import QtQuick
import Pacelog

// The ring around the control that has the keyboard's focus. It sits just outside the control,
// on the page's background, in the colour that stands out from that background.
Rectangle {
    objectName: "focusMark"
    property bool shown: false
    property real cornerRadius: Look.buttonRadius

    anchors.fill: parent
    anchors.margins: -(Look.focusMarkWidth + 1)
    z: 10
    radius: cornerRadius + Look.focusMarkWidth + 1
    color: "transparent"
    border.width: Look.focusMarkWidth
    border.color: Look.focusMark
    visible: shown
}
