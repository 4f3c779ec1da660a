#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QTimer>
#include <QUndoStack>

class RowsCommand;

// The changes to the store that a person can take back: one command per change on Qt's undo
// stack, the latest offered for a few seconds on the page where the change shows (the page's
// undo bar, Ctrl+Z while it shows). Undoing puts back exactly what the change replaced, in one
// transaction.
class UndoService : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool offered READ offered NOTIFY offeredChanged)
    Q_PROPERTY(QString undoText READ undoText NOTIFY offeredChanged)
public:
    static UndoService *shared();
    static UndoService *create(QQmlEngine *, QJSEngine *);

    // How long the latest change is offered, unless the person moves to another page first.
    static constexpr int OfferMilliseconds = 5000;
    // Now: the change shows on the page at hand (a swipe deletion in the list). OnNextPage: the
    // change's page closes and the change shows on the page it returns to (an edit, an import).
    enum class Offer { Now, OnNextPage };

    // Before a change to these rows of `entity`: keeps them as they are. Hand the result to
    // changed() once the change is saved or refused.
    RowsCommand *aboutToChange(const QString &entity, const QList<qint64> &ids,
                               const QString &text);
    // The change of `command` was saved (`saved`) or refused: a saved change joins the history
    // and is offered; a refused one, or one whose rows could not be read before, is dropped.
    void changed(RowsCommand *command, bool saved, Offer when = Offer::Now);

    bool offered() const { return m_offered; }
    QString undoText() const { return m_stack.undoText(); }
    QUndoStack *stack() { return &m_stack; }

    // Takes back the latest change. False when there is none or the store refused to save it;
    // then the person is told and the change stays as it was.
    Q_INVOKABLE bool undo();
    // Ends the offer; the change stays in the history.
    Q_INVOKABLE void dismiss();
    // Another page is shown: a change waiting for it is offered there, an offer on the page left
    // ends (its bar would cover the new page's controls).
    Q_INVOKABLE void pageShown();
    // Forgets every change: the store they belong to is closed.
    void clear();

signals:
    void offeredChanged();
    // An undo was saved: screens that show stored rows read them again.
    void undone();

private:
    UndoService();
    void offer();

    QUndoStack m_stack;
    QTimer m_offerTimer;
    bool m_offered = false;
    bool m_waitingForPage = false;
};
