import QtQuick
import QtQuick.Controls
import Pacelog

// A switch bound both ways to an outlet; `flipped` follows each flip by the person, whether by
// a tap, Space or Enter, or the accessibility Toggle or Press. A switch shows no caption of its
// own: the page names it through `Accessible.name`.
Switch {
    id: control
    property Outlet outlet: null
    signal flipped()

    // A flip by the person: what a tap does, `toggled` included (the accessibility actions
    // would only change `checked`, and the setting would not be written).
    function flip() {
        toggle()
        toggled()
    }
    focusPolicy: Qt.StrongFocus
    Accessible.onToggleAction: control.flip()
    Accessible.onPressAction: control.flip()
    Keys.onReturnPressed: control.flip()
    Keys.onEnterPressed: control.flip()
    FocusMark {
        cornerRadius: height / 2
        anchors.margins: 0
        shown: control.visualFocus
    }

    function syncFromOutlet() {
        if (outlet && checked !== outlet.checked)
            checked = outlet.checked
    }
    Component.onCompleted: syncFromOutlet()
    onOutletChanged: syncFromOutlet()
    Connections {
        target: control.outlet
        function onCheckedChanged() { control.syncFromOutlet() }
    }
    onToggled: {
        if (outlet)
            outlet.checked = checked
        flipped()
    }
}
