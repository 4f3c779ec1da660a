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

    clip: true
    background: Rectangle {
        radius: Look.fieldRadius
        border.width: Look.fieldBorder
        border.color: Look.border
        color: "white"
    }

    TextArea {
        id: area
        readOnly: true
        selectByMouse: false
        Accessible.name: box.caption
        text: box.outlet ? box.outlet.text : ""
        color: "black"
        wrapMode: TextEdit.NoWrap
        font.pixelSize: box.fontSize
        background: null
    }
}
