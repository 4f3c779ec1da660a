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

    background: Rectangle { color: Look.pageBackground }
    StackView.onActivating: page.appearing()
    // The keyboard's focus moves onto the screen that shows (back onto the control it left
    // when the screen shows again), so Tab goes on from there.
    StackView.onActivated: page.forceActiveFocus()
    // Tab follows the reading order: a page's bar above its content.
    Component.onCompleted: ReadingOrder.placeBefore(header, contentItem)
    Accessible.name: title
}
