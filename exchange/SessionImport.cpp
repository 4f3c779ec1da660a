#include "exchange/SessionImport.h"

#include "exchange/SessionExportFile.h"
#include "model/Context.h"
#include "model/RowsCommand.h"
#include "model/UserData.h"
#include "platform/NumberReading.h"

#include <QDebug>

namespace {

// The attribute of each field of a line, by position; month and day are 16-bit numbers.
const char *const FieldKeys[] = {"date", "calories", "fatCalories", "distance",
                                 "laps", "year",     "imonth",      "iday"};
constexpr qsizetype FieldCount = 8;
constexpr qsizetype FirstNumberField = 6;

// A missing field is the empty text, which must stay a text when bound: a null string would
// bind as NULL and change what the key means.
QString key(const QStringList &fields, qsizetype index) {
    const QString field = fields.value(index);
    return field.isNull() ? QStringLiteral("") : field;
}

// Sets the attributes of the non-empty fields; a month or day that is not a 16-bit number
// leaves the attribute as it is.
void setFields(UserData &session, const QStringList &fields) {
    for (qsizetype i = 0; i < qMin(fields.size(), FieldCount); ++i) {
        const QString &field = fields.at(i);
        if (field.isEmpty())
            continue;
        const QString attribute = QLatin1String(FieldKeys[i]);
        if (i < FirstNumberField) {
            session.setValue(attribute, field);
        } else if (const auto number = NumberReading::int16(field)) {
            session.setValue(attribute, qint64(*number));
        }
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
    const QStringList fields = m_lines.at(m_next++).split(QLatin1Char('^'));

    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("date == %@"), key(fields, 0))
        .where(QStringLiteral("calories == %@"), key(fields, 1))
        .where(QStringLiteral("distance == %@"), key(fields, 3));
    request.setIncludesPropertyValues(false);
    request.setFetchLimit(2);
    QString error;
    const QList<Record> results = context.fetch(request, &error);
    const qsizetype resultCount = results.size();
    if (!error.isEmpty() || resultCount > 1) {
        // Twins cannot be told apart, and a failed lookup has nothing to go on.
        ++m_passedOver;
        return;
    }
    UserData session = resultCount == 1 ? UserData(results.first()) : UserData();
    setFields(session, fields);
    // save() also rolls back a write that failed, so the next line starts clean.
    if (resultCount == 1) {
        if (m_undo)
            m_undo->watch(context, {session.id()});
        context.change(session);
        if (context.save())
            ++m_updated;
        return;
    }
    context.insert(session);
    if (context.save(&error)) {
        ++m_added;
        if (m_undo)
            m_undo->added(session.id());
    } else {
        qWarning().noquote() << "Can't Save" << error;
    }
}
