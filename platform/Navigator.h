#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QVariant>

// Controllers ask for a segue by its identifier; the app's StackView carries it out. Unwinds
// ("unwindToMenu", ...) go back to the nearest screen on the stack that accepts them.
class Navigator : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    static Navigator *instance();
    static Navigator *create(QQmlEngine *, QJSEngine *);

    Q_INVOKABLE void performSegue(const QString &identifier, const QVariant &detailItem = {});
    Q_INVOKABLE void goBack();

signals:
    void segueRequested(const QString &identifier, const QVariant &detailItem);
    void backRequested();

private:
    // Private so that QML takes the one instance from create() instead of building its own.
    Navigator() = default;
};
