#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QStringList>
#include <functional>

// One button of an alert; its handler runs in C++ when the person taps it.
struct AlertAction {
    QString title;
    std::function<void()> handler = {};
};

// Shows alerts one at a time through the app's alert dialog. Controllers ask for them; the
// dialog only displays the current one and reports which button was tapped.
class AlertPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool showing READ showing NOTIFY currentChanged)
    Q_PROPERTY(QString title READ title NOTIFY currentChanged)
    Q_PROPERTY(QString message READ message NOTIFY currentChanged)
    Q_PROPERTY(QStringList buttons READ buttons NOTIFY currentChanged)
public:
    static AlertPresenter *instance();
    static AlertPresenter *create(QQmlEngine *, QJSEngine *);

    // Shows now, or after the alerts already waiting. Handlers do not run once `owner` is gone.
    void present(QObject *owner, const QString &title, const QString &message,
                 QList<AlertAction> actions = {AlertAction{QStringLiteral("OK")}});
    // Shows on a later turn of the main loop, after `milliseconds`, unless `owner` is gone.
    void presentLater(int milliseconds, QObject *owner, const QString &title,
                      const QString &message,
                      QList<AlertAction> actions = {AlertAction{QStringLiteral("OK")}});

    bool showing() const { return !m_queue.isEmpty(); }
    QString title() const;
    QString message() const;
    QStringList buttons() const;

    Q_INVOKABLE void respond(int index);
    // Drops every alert (a fresh app in tests).
    void clear();

signals:
    void currentChanged();

private:
    AlertPresenter() = default;
    struct Alert {
        QPointer<QObject> owner;
        bool hadOwner;
        QString title;
        QString message;
        QList<AlertAction> actions;
    };
    QList<Alert> m_queue;
};
