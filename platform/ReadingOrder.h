#pragma once

#include <QObject>
#include <QQmlEngine>

class QQuickItem;

// Tab moves through a window's items in the order of their parents' child lists. A page's bar
// is added after its content, so pages move it first to keep Tab in reading order; QML
// cannot reorder children itself.
class ReadingOrder : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit ReadingOrder(QObject *parent = nullptr) : QObject(parent) {}

    // Puts `item` just before its sibling `next`; items of different parents stay as they are.
    Q_INVOKABLE void placeBefore(QQuickItem *item, QQuickItem *next) const;
};
