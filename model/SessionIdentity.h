#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

#include <QString>

class Context;

// A session has no key of its own: the store knows it by its date, calories and distance texts,
// and acts on it only when exactly one session has all three.
class SessionIdentity {
public:
    SessionIdentity(QString date, QString calories, QString distance);

    // The sessions with the three texts (an absent text matches nothing; an empty one matches
    // an empty one).
    FetchRequest request() const;

    struct Match {
        // 0, 1, or 2 for "several".
        int count = 0;
        // The session when count is 1 (identity and the columns asked for).
        Record session;
        // Why the lookup failed; count is then 0.
        QString error;
        bool isSole() const { return count == 1 && error.isEmpty(); }
    };
    // Looks the session up; `withValues` loads its columns, otherwise only its identity.
    Match find(Context &context, bool withValues = false) const;

private:
    QString m_date;
    QString m_calories;
    QString m_distance;
};
