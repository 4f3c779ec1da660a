import QtQuick
import QtQuick.Controls
import Pacelog

// A bordered text field bound both ways to an outlet. Edits the outlet refuses are undone, so
// the text stays as it was; `edited` is emitted for each accepted edit. `caption` is the label
// the page shows beside it, the name a screen reader announces (else the placeholder).
TextField {
    id: field
    property Outlet outlet: null
    property bool required: false
    property string caption
    signal edited()

    Accessible.name: caption.length > 0 ? caption : placeholderText

    inputMethodHints: Qt.ImhFormattedNumbersOnly
    leftPadding: 8
    rightPadding: 8
    topPadding: 8
    bottomPadding: 8
    verticalAlignment: TextInput.AlignVCenter
    color: outlet && outlet.color.valid ? outlet.color : Look.fieldText
    placeholderTextColor: Look.placeholder
    background: Rectangle {
        implicitHeight: 40
        radius: Look.fieldRadius
        border.width: field.activeFocus ? 2 : Look.fieldBorder
        border.color: field.required && field.text.length === 0 ? Look.required : Look.fieldBorderColor
        color: field.outlet && field.outlet.backgroundColor.valid ? field.outlet.backgroundColor : Look.fieldBackground
    }
    FocusMark {
        cornerRadius: Look.fieldRadius
        shown: field.activeFocus && field.focusReason !== Qt.MouseFocusReason
    }

    function syncFromOutlet() {
        if (outlet && text !== outlet.text)
            text = outlet.text
    }
    Component.onCompleted: syncFromOutlet()
    onOutletChanged: syncFromOutlet()
    Connections {
        target: field.outlet
        function onTextChanged() { field.syncFromOutlet() }
    }
    onTextEdited: {
        if (!outlet)
            return
        const cursor = cursorPosition
        if (outlet.userEdit(text)) {
            edited()
        } else {
            const refusedLength = text.length
            text = outlet.text
            cursorPosition = Math.max(0, Math.min(text.length, cursor - (refusedLength - text.length)))
        }
    }
}
