#include "platform/Navigator.h"

Navigator *Navigator::instance() {
    static Navigator *navigator = new Navigator;
    return navigator;
}

Navigator *Navigator::create(QQmlEngine *, QJSEngine *) {
    Navigator *navigator = instance();
    QJSEngine::setObjectOwnership(navigator, QJSEngine::CppOwnership);
    return navigator;
}

void Navigator::performSegue(const QString &identifier, const QVariant &detailItem) {
    emit segueRequested(identifier, detailItem);
}

void Navigator::goBack() {
    emit backRequested();
}
