#include "model/SessionIdentity.h"

#include "model/Context.h"
#include "model/UserData.h"

SessionIdentity::SessionIdentity(QString date, QString calories, QString distance)
    : m_date(std::move(date)), m_calories(std::move(calories)), m_distance(std::move(distance)) {}

FetchRequest SessionIdentity::request() const {
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("date == %@"), m_date)
        .where(QStringLiteral("calories == %@"), m_calories)
        .where(QStringLiteral("distance == %@"), m_distance);
    return request;
}

SessionIdentity::Match SessionIdentity::find(Context &context, bool withValues) const {
    FetchRequest lookup = request();
    lookup.setIncludesPropertyValues(withValues);
    // Two are enough to know the session cannot be told apart from another.
    lookup.setFetchLimit(2);
    Match match;
    const QList<Record> found = context.fetch(lookup, &match.error);
    if (!match.error.isEmpty())
        return match;
    match.count = int(found.size());
    if (match.count == 1)
        match.session = found.first();
    return match;
}
