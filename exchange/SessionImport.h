#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Context;
class RowsCommand;

// Merges the lines of a session export file into the stored sessions, one line at a time so a
// caller can spread the work over turns of the event loop. A line matching exactly one session
// by its date, calories and distance texts updates it, a line matching none adds a session, a
// line matching several is passed over. Each line is saved before the next is read; a line
// the store refuses is counted as not saved.
class SessionImport {
public:
    // Carriage returns become line feeds and apostrophes are removed before the text is split;
    // empty lines and marker lines are dropped.
    explicit SessionImport(QString text);
    ~SessionImport();

    // A file is accepted when one of its lines is exactly the marker "[TREADMILL]".
    bool isAccepted() const { return m_accepted; }
    qsizetype lineCount() const { return m_lines.size(); }
    qsizetype linesDone() const { return m_next; }
    bool atEnd() const { return !m_accepted || m_next >= m_lines.size(); }

    // Merges the next session line into the store and saves it.
    void mergeNext(Context &context);
    // Merges lines until the end or until `milliseconds` have passed: one turn's share of the
    // work, so the screen stays responsive.
    void mergeFor(Context &context, int milliseconds);

    int added() const { return m_added; }
    int updated() const { return m_updated; }
    int passedOver() const { return m_passedOver; }
    // Lines the store refused to keep (a full device, a read-only folder), and the last reason.
    int notSaved() const { return m_notSaved; }
    QString notSavedReason() const { return m_notSavedReason; }
    // "Added: A   Updated: U   Passed over: P", with "   Not saved: N" when lines were refused.
    QString countsText() const;
    // What the person is told at the end of an accepted file's import.
    QString resultMessage() const;
    // What the lines merged so far changed, as one change to undo; the import keeps no more.
    RowsCommand *takeUndo() { return m_undo.release(); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
    bool m_accepted = false;
    int m_added = 0;
    int m_updated = 0;
    int m_passedOver = 0;
    int m_notSaved = 0;
    QString m_notSavedReason;
    std::unique_ptr<RowsCommand> m_undo;
};
