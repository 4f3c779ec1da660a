import QtQuick
import QtQuick.Controls
import Pacelog

// A screen on the navigation stack. `segues` maps the identifiers this screen performs to the
// pages they open; `unwinds` lists the unwind identifiers that stop here.
Page {
    id: page
    property var segues: ({})
    property var unwinds: []
    property var detailItem
    // Called each time the screen becomes the top of the stack again.
    signal appearing()

    background: Rectangle { color: Look.pageBackground }
    StackView.onActivating: appearing()
}
