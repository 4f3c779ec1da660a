import QtQuick
import QtQuick.Controls
import Pacelog

// A switch bound both ways to an outlet; `flipped` follows each flip by the person.
Switch {
    id: control
    property Outlet outlet: null
    signal flipped()

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
