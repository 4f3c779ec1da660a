import QtQuick
import QtQuick.Controls
import Pacelog

// A bordered, scrolling, read-only text view showing its outlet's text. `name` becomes the
// objectName of the TextArea inside, so the text area carries the outlet's name.
ScrollView {
    id: box
    property Outlet outlet: null
    property alias name: area.objectName
    property alias wrapMode: area.wrapMode
    property int fontSize: 12
    // What a screen reader calls the text.
    property string caption
    readonly property alias textArea: area
    // Black on white with a black border unless the page sets its own for the dark appearance.
    property color textColor: "black"
    property color backgroundColor: "white"
    property color borderColor: Look.border

    clip: true
    background: Rectangle {
        radius: Look.fieldRadius
        border.width: Look.fieldBorder
        border.color: box.borderColor
        color: box.backgroundColor
    }

    TextArea {
        id: area
        readOnly: true
        selectByMouse: false
        Accessible.name: box.caption
        text: box.outlet ? box.outlet.text : ""
        color: box.textColor
        // The text keeps clear of the rounded border on every side.
        leftPadding: 8
        rightPadding: 8
        wrapMode: TextEdit.NoWrap
        font.pixelSize: box.fontSize
        background: null
    }
}
