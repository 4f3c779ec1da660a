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

    // A control that the keyboard reaches below or above the visible part of a scrolling
    // screen (a small window, large text) scrolls into view; a tall one (a text view) only
    // needs to show a part. Lists keep their current row in view themselves.
    // A screen whose content is dragged around rather than flicked names it here.
    property Item draggedContent: null
    readonly property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: revealFocused()
    function revealFocused() {
        const item = focusedItem
        if (!item || !page.visible)
            return
        for (let holder = item.parent; holder && holder !== page; holder = holder.parent) {
            if (holder === draggedContent) {
                const shown = item.mapToItem(page.contentItem, 0, 0, item.width, item.height)
                const view = page.contentItem.height
                if (shown.y + shown.height > view)
                    draggedContent.y -= shown.y + shown.height - view + Look.margin
                else if (shown.y < 0)
                    draggedContent.y -= shown.y - Look.margin
                return
            }
            if (holder as ListView)
                return
            const area = holder as Flickable
            if (!area || area.contentHeight <= area.height)
                continue
            const box = item.mapToItem(area.contentItem, 0, 0, item.width, item.height)
            const top = area.contentY
            const bottom = top + area.height
            if (box.height >= area.height ? (box.y < bottom && box.y + box.height > top)
                                          : (box.y >= top && box.y + box.height <= bottom))
                return
            const wanted = box.y + box.height > bottom && box.height < area.height
                           ? box.y + box.height - area.height + Look.margin
                           : box.y - Look.margin
            area.contentY = Math.max(0, Math.min(area.contentHeight - area.height, wanted))
            return
        }
    }
}
