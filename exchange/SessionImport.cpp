#include "exchange/SessionImport.h"

#include "exchange/SessionExportFile.h"
#include "model/Context.h"
#include "model/RowsCommand.h"
#include "model/SessionIdentity.h"
#include "model/UserData.h"

#include <QDebug>
#include <QElapsedTimer>

namespace {

// A missing field is the empty text, which must stay a text when bound: a null string would
// bind as NULL and change what the key means.
QString key(const QStringList &fields, qsizetype index) {
    const QString field = fields.value(index);
    return field.isNull() ? QStringLiteral("") : field;
}

// Sets the attributes of the non-empty fields; fields past the last are ignored.
void setFields(UserData &session, const QStringList &fields) {
    for (qsizetype i = 0; i < qMin(fields.size(), UserData::LineFieldCount); ++i) {
        if (!fields.at(i).isEmpty())
            session.setLineField(i, fields.at(i));
    }
}

} // namespace

SessionImport::SessionImport(QString text)
    : m_undo(std::make_unique<RowsCommand>(QStringLiteral("UserData"),
                                           QStringLiteral("Sessions imported"))) {
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.remove(QLatin1Char('\''));
    const QStringView marker(SessionExportFile::Marker);
    const QStringList lines = text.split(QLatin1Char('\n'));
    m_lines.reserve(lines.size());
    for (const QString &line : lines) {
        if (line == marker)
            m_accepted = true;
        else if (!line.isEmpty())
            m_lines.append(line);
    }
}

SessionImport::~SessionImport() = default;

void SessionImport::mergeNext(Context &context) {
    if (atEnd())
        return;
    const qsizetype lineNumber = m_next++;
    const QStringList fields = m_lines.at(lineNumber).split(QLatin1Char('^'));

    const SessionIdentity identity(key(fields, 0), key(fields, 1), key(fields, 3));
    const SessionIdentity::Match match = identity.find(context);
    if (!match.error.isEmpty() || match.count > 1) {
        // Twins cannot be told apart, and a failed lookup has nothing to go on.
        ++m_passedOver;
        return;
    }
    UserData session = match.count == 1 ? UserData(match.session) : UserData();
    setFields(session, fields);
    if (match.count == 1 && m_undo)
        m_undo->watch(context, {session.id()});
    if (match.count == 1)
        context.change(session);
    else
        context.insert(session);
    // save() also reports a write the store refused (and leaves the context clean for the
    // next line), so a line is counted as stored only when it is.
    QString error;
    if (!context.save(&error)) {
        ++m_notSaved;
        m_notSavedReason = error;
        qWarning().noquote() << "Can't Save line" << lineNumber + 1 << error;
        return;
    }
    ++(match.count == 1 ? m_updated : m_added);
    if (match.count != 1 && m_undo)
        m_undo->added(session.id());
}

void SessionImport::mergeFor(Context &context, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!atEnd() && clock.elapsed() < milliseconds)
        mergeNext(context);
}

QString SessionImport::countsText() const {
    QString counts = QStringLiteral("Added: %1   Updated: %2   Passed over: %3")
                         .arg(m_added)
                         .arg(m_updated)
                         .arg(m_passedOver);
    if (m_notSaved > 0)
        counts += QStringLiteral("   Not saved: %1").arg(m_notSaved);
    return counts;
}

QString SessionImport::resultMessage() const {
    if (m_notSaved == 0)
        return QStringLiteral("Data Import Completed");
    return QStringLiteral("%1 of the file's lines could not be saved (%2). The lines counted as "
                          "added or updated are stored; import the file again once the problem "
                          "is fixed.")
        .arg(m_notSaved)
        .arg(m_notSavedReason);
}
