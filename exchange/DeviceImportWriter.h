#pragma once

#include "model/UserData.h"

#include <QList>
#include <QString>

class Context;
class RowsCommand;

// Stores the sessions of a device import in one transaction on its own context, a few at a
// time so a caller can spread the work over turns of the event loop: either every session is
// stored by commit(), or (a refused write, a cancel) none is.
class DeviceImportWriter {
public:
    DeviceImportWriter(Context &context, QList<UserData> sessions);
    ~DeviceImportWriter();

    // Writes up to `count` more sessions. False once a write has been refused: everything
    // written so far is rolled back and error() says why.
    bool writeNext(qsizetype count);
    bool atEnd() const { return m_next >= m_sessions.size(); }
    qsizetype written() const { return m_next; }
    qsizetype total() const { return m_sessions.size(); }

    // Commits every written session; false (nothing stored) when the store refuses.
    bool commit();
    // Drops everything written so far.
    void cancel();
    QString error() const { return m_error; }
    // After a commit: the sessions it stored as one change to undo (the caller owns it).
    RowsCommand *undoOfCommit() const;
    bool failed() const { return !m_error.isEmpty(); }

private:
    Context &m_context;
    QList<UserData> m_sessions;
    qsizetype m_next = 0;
    bool m_open = true;
    QString m_error;
};
