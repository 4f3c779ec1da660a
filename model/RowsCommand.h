#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUndoCommand>
#include <optional>
#include <QVariantList>

class Context;

// One change to rows of one record type, undone by writing back every column of each row as it
// was before the change (and removing the rows the change added), redone by writing them as they
// were when it was undone; each in one transaction. The change itself is made and saved by its
// screen: watch() the rows it will touch before, and note the rows it adds.
class RowsCommand : public QUndoCommand {
public:
    RowsCommand(QString entity, const QString &text);

    // Keeps the rows with these ids as they are now, unless kept already. False when they could
    // not be read; such a change cannot be undone.
    bool watch(Context &context, const QList<qint64> &ids);
    // A row the change added: undoing removes it.
    void added(qint64 id);
    bool isEmpty() const { return m_ids.isEmpty(); }
    bool isReadable() const { return m_readable; }

    void undo() override;
    void redo() override;
    // Whether the last undo or redo was saved; the store keeps what it had when not.
    bool succeeded() const { return m_succeeded; }
    QString error() const { return m_error; }

private:
    using Rows = QHash<qint64, QVariantList>; // a row id missing: no such row
    bool read(Context &context, Rows &rows, const QList<qint64> &ids);
    bool write(const Rows &rows);

    QString m_entity;
    QList<qint64> m_ids; // in the order first touched
    QSet<qint64> m_known; // the same ids, for a large import's lookups
    Rows m_before;
    Rows m_after;
    bool m_readable = true;
    // The largest row id when the change was made: a larger one at an id the change deleted is
    // a session stored since, which putting the old row back would overwrite.
    std::optional<qint64> m_largestId;
    bool m_applied = true; // the store holds the change
    bool m_succeeded = true;
    QString m_error;
};
