#include "exchange/DeviceImportWriter.h"

#include "model/Context.h"
#include "model/RowsCommand.h"

DeviceImportWriter::DeviceImportWriter(Context &context, QList<UserData> sessions)
    : m_context(context), m_sessions(std::move(sessions)) {}

DeviceImportWriter::~DeviceImportWriter() {
    // Left unfinished, nothing of it may reach the store.
    if (m_open)
        cancel();
}

bool DeviceImportWriter::writeNext(qsizetype count) {
    if (!m_open)
        return false;
    for (qsizetype i = 0; i < count && !atEnd(); ++i) {
        if (!m_context.insert(m_sessions[m_next])) {
            m_error = m_context.lastError();
            cancel();
            return false;
        }
        ++m_next;
    }
    return true;
}

bool DeviceImportWriter::commit() {
    if (!m_open)
        return false;
    m_open = false;
    if (m_next == 0)
        return true;
    QString error;
    if (!m_context.save(&error)) {
        m_error = error.isEmpty() ? m_context.lastError() : error;
        m_context.rollback();
        return false;
    }
    return true;
}

void DeviceImportWriter::cancel() {
    m_open = false;
    m_next = 0;
    m_context.rollback();
}

RowsCommand *DeviceImportWriter::undoOfCommit() const {
    auto *undo = new RowsCommand(QStringLiteral("UserData"), QStringLiteral("Sessions imported"));
    for (qsizetype i = 0; i < m_next; ++i)
        undo->added(m_sessions.at(i).id());
    return undo;
}
