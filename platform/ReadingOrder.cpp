#include "platform/ReadingOrder.h"

#include <QQuickItem>

void ReadingOrder::placeBefore(QQuickItem *item, QQuickItem *next) const {
    if (item && next && item != next && item->parentItem() == next->parentItem())
        item->stackBefore(next);
}
