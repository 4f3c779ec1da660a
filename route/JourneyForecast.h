#pragma once

#include <QDate>
#include <QString>
#include <optional>

class Context;
class Journey;

// When the journey's next place comes at the recent pace: the distance of the sessions of the
// last 30 local days (today included) divided by 30, and the day the running total gets there.
class JourneyForecast {
public:
    static constexpr int Days = 30;

    // Reads the recent sessions' distance from the store (one query) and words the forecast for
    // `today`. Empty once the whole loop is done.
    static QString line(Context &context, const Journey &journey, const QDate &today,
                        bool kilometres);
    // The forecast's words for a recent distance over `sessions` sessions.
    static QString sentence(const Journey &journey, double recentDistance, qint64 sessions,
                            const QDate &today, bool kilometres);
    // Whole days until the running total reaches the next stop at `pace` a day: on the day found
    // the total meets (or, where it must, passes) the stop's mark. No value when it never does.
    static std::optional<qint64> daysToNext(const Journey &journey, double pace);
};
