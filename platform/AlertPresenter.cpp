#include "platform/AlertPresenter.h"

#include <QTimer>

AlertPresenter *AlertPresenter::instance() {
    static AlertPresenter *presenter = new AlertPresenter;
    return presenter;
}

AlertPresenter *AlertPresenter::create(QQmlEngine *, QJSEngine *) {
    AlertPresenter *presenter = instance();
    QJSEngine::setObjectOwnership(presenter, QJSEngine::CppOwnership);
    return presenter;
}

void AlertPresenter::present(QObject *owner, const QString &title, const QString &message,
                             QList<AlertAction> actions) {
    if (actions.isEmpty())
        actions << AlertAction{QStringLiteral("OK")};
    m_queue.append(Alert{owner, owner != nullptr, title, message, std::move(actions)});
    if (m_queue.size() == 1)
        emit currentChanged();
}

void AlertPresenter::presentLater(int milliseconds, QObject *owner, const QString &title,
                                  const QString &message, QList<AlertAction> actions) {
    QPointer<QObject> guard(owner);
    const bool hadOwner = owner != nullptr;
    QTimer::singleShot(milliseconds, this, [=, this]() {
        if (hadOwner && !guard)
            return; // the screen that asked is gone
        present(guard, title, message, actions);
    });
}

QString AlertPresenter::title() const {
    return m_queue.isEmpty() ? QString() : m_queue.first().title;
}

QString AlertPresenter::message() const {
    return m_queue.isEmpty() ? QString() : m_queue.first().message;
}

QStringList AlertPresenter::buttons() const {
    QStringList titles;
    if (!m_queue.isEmpty()) {
        for (const AlertAction &a : m_queue.first().actions)
            titles << a.title;
    }
    return titles;
}

void AlertPresenter::respond(int index) {
    if (m_queue.isEmpty())
        return;
    Alert alert = m_queue.takeFirst();
    emit currentChanged();
    if (index < 0 || index >= alert.actions.size())
        return;
    if (alert.hadOwner && !alert.owner)
        return;
    if (alert.actions.at(index).handler)
        alert.actions.at(index).handler();
}

void AlertPresenter::clear() {
    m_queue.clear();
    emit currentChanged();
}
