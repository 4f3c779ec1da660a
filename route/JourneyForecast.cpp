#include "route/JourneyForecast.h"

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "route/Journey.h"

#include <cmath>

namespace {

// About 2,700 years: beyond it the date would say nothing a person can use.
constexpr double MostDays = 1e6;

} // namespace

QString JourneyForecast::line(Context &context, const Journey &journey, const QDate &today,
                              bool kilometres) {
    FetchRequest recent = UserData::fetchRequest();
    recent.where(QStringLiteral("treadDate >= %@"), today.addDays(1 - Days).startOfDay())
        .where(QStringLiteral("treadDate < %@"), today.addDays(1).startOfDay());
    const auto sums = context.sumLeadingNumbers(recent, {QStringLiteral("distance")});
    return sentence(journey, sums ? sums->sums.value(0) : 0, sums ? sums->count : 0, today,
                    kilometres);
}

std::optional<qint64> JourneyForecast::daysToNext(const Journey &journey, double pace) {
    if (!journey.next || !(pace > 0))
        return std::nullopt;
    const Journey::Mark mark = Journey::markOf(*journey.next);
    const double days = (mark.total - journey.totalMiles) / pace;
    if (!(days < MostDays))
        return std::nullopt;
    if (days < 0)
        return 0;
    // A mark that must be passed is not reached on the day the total only meets it.
    return qint64(mark.beyond ? std::floor(days) + 1 : std::ceil(days));
}

QString JourneyForecast::sentence(const Journey &journey, double recentDistance, qint64 sessions,
                                  const QDate &today, bool kilometres) {
    if (!journey.next)
        return {};
    const QString name = journey.next->name;
    const double pace = recentDistance / Days;
    const std::optional<qint64> days = sessions > 0 ? daysToNext(journey, pace) : std::nullopt;
    if (!days)
        return QStringLiteral("Log a session to see when you reach ") + name;
    // Noon keeps the day whatever a time-zone change does at midnight.
    const QDateTime on(today.addDays(*days), QTime(12, 0));
    return QStringLiteral("At ") + Formatting::decimal(pace, 2, 2, false) +
           (kilometres ? QStringLiteral(" km") : QStringLiteral(" mi")) +
           QStringLiteral(" a day, you reach ") + name + QStringLiteral(" on ") +
           Formatting::mediumDate(on);
}
