import QtQuick
import QtQuick.Controls
import Pacelog

// A screen on the navigation stack. The stack sets `pagePath` (the page's file inside the
// module) so unwinds can find their destination, and `detailItem` when a record is handed over.
Page {
    id: page
    property string pagePath
    property var detailItem
    // Called each time the screen becomes the top of the stack again.
    signal appearing()

    background: Rectangle { color: "white" }
    StackView.onActivating: page.appearing()
}
