#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QUrl>

// The in-app stand-in for the system's rating prompt: a small banner offering to rate Pacelog
// on its store page or not now. It never blocks the screen below it.
class RatingPrompt : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool showing READ showing NOTIFY showingChanged)
public:
    static RatingPrompt *instance();
    static RatingPrompt *create(QQmlEngine *, QJSEngine *);

    // The store page opened on its review form: one query item, action=write-review.
    static QUrl reviewUrl();

    void ask();
    bool showing() const { return m_showing; }
    // The person chose: rate opens the store page, otherwise the banner just goes away.
    Q_INVOKABLE void respond(bool rate);

signals:
    void showingChanged();

private:
    RatingPrompt() = default;
    bool m_showing = false;
};
