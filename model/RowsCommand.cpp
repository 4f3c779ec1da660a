#include "model/RowsCommand.h"

#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/Entity.h"

RowsCommand::RowsCommand(QString entity, const QString &text)
    : QUndoCommand(text), m_entity(std::move(entity)) {}

bool RowsCommand::read(Context &context, Rows &rows, const QList<qint64> &ids) {
    for (qint64 id : ids) {
        QString error;
        const std::optional<QVariantList> row = context.storedRow(m_entity, id, &error);
        if (!row) {
            m_error = error;
            return false;
        }
        if (!row->isEmpty())
            rows.insert(id, *row);
    }
    return true;
}

bool RowsCommand::watch(Context &context, const QList<qint64> &ids) {
    QList<qint64> fresh;
    for (qint64 id : ids) {
        if (!m_known.contains(id)) {
            m_known.insert(id);
            fresh << id;
        }
    }
    m_ids << fresh;
    m_readable = m_readable && read(context, m_before, fresh);
    return m_readable;
}

void RowsCommand::added(qint64 id) {
    if (!m_known.contains(id)) {
        m_known.insert(id);
        m_ids << id;
    }
}

bool RowsCommand::write(const Rows &rows) {
    Context &context = AppDelegate::shared()->persistentContainer();
    const Entity *entity = Entity::named(m_entity);
    bool written = true;
    for (qint64 id : std::as_const(m_ids)) {
        const auto row = rows.constFind(id);
        if (row != rows.constEnd())
            written = context.putBack(m_entity, *row);
        else
            written = context.remove(Record(entity, id));
        if (!written)
            break;
    }
    // A failed write has rolled the context back already; a failed save rolls back too.
    QString error;
    m_succeeded = written && context.save(&error);
    m_error = m_succeeded ? QString() : (error.isEmpty() ? context.lastError() : error);
    return m_succeeded;
}

void RowsCommand::undo() {
    if (!m_applied)
        return;
    // What the change left is read now, so a redo writes that back.
    Rows after;
    if (!read(AppDelegate::shared()->persistentContainer(), after, m_ids)) {
        m_succeeded = false;
        return;
    }
    for (auto row = m_before.constBegin(); row != m_before.constEnd(); ++row) {
        if (after.contains(row.key()) && m_largestId && row.key() > *m_largestId) {
            m_succeeded = false;
            m_error = QStringLiteral("a session stored since then has taken the place of the one "
                                     "to put back, so nothing was changed");
            return;
        }
    }
    if (write(m_before)) {
        m_after = after;
        m_applied = false;
    }
}

void RowsCommand::redo() {
    // The first redo comes when the change is pushed: the screen has made it already.
    if (m_applied) {
        if (!m_largestId)
            m_largestId = AppDelegate::shared()->persistentContainer().largestId(m_entity);
        m_succeeded = true;
        return;
    }
    if (write(m_after))
        m_applied = true;
}
