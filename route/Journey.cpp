#include "route/Journey.h"

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/NumberReading.h"

#include <limits>

bool Journey::isReached(const Stop &stop, const RouteLegs::Position &at) {
    if (at.leg != stop.leg)
        return at.leg > stop.leg;
    return !stop.city && double(float(at.milesFromCity)) >= stop.mark;
}

Journey::Mark Journey::markOf(const Stop &stop) {
    const RouteLeg &leg = RouteLegs::all().at(stop.leg);
    if (stop.city)
        return {leg.upTo, true};
    const double legStart = stop.leg == 0 ? -std::numeric_limits<double>::infinity()
                                          : RouteLegs::all().at(stop.leg - 1).upTo;
    const double met = stop.mark + leg.start - leg.added;
    if (met > leg.upTo)
        return {leg.upTo, true}; // beyond what the leg's M reaches: only leaving the leg does
    if (met > legStart)
        return {met, false};
    return {legStart, true}; // already passed where the leg begins
}

bool Journey::readStops(Context &context, QList<Stop> &stops, QString *error) {
    const QList<RouteLeg> &legs = RouteLegs::all();
    for (qsizetype i = 0; i < legs.size(); ++i) {
        const RouteLeg &leg = legs.at(i);
        FetchRequest request = RouteLegs::placesOn(leg);
        request.setPropertiesToFetch({QStringLiteral("name"), leg.distanceKey});
        const bool read = context.forEach(
            request,
            [&](const QVariantList &values) {
                stops.append(Stop{values.at(0).toString(), i, false, values.at(1).toDouble(), {}});
            },
            error);
        if (!read)
            return false;
        stops.append(Stop{RouteLegs::next(leg).city, i, true, 0, {}});
    }
    return true;
}

bool Journey::compute(Context &context, QString *error) {
    reached.clear();
    next.reset();
    totalMiles = 0;
    sessionCount = 0;
    QList<Stop> stops;
    if (!readStops(context, stops, error))
        return false;

    // In treadDate order, undated sessions first (as they were stored: an import's, which the
    // next start dates); those of one moment by distance and date text. Two reads, so that
    // neither sorts: the dated ones come from their index.
    FetchRequest undated = UserData::fetchRequest();
    undated.where(QStringLiteral("treadDate == nil"));
    FetchRequest dated = UserData::fetchRequest();
    dated.where(QStringLiteral("treadDate != nil"));
    dated.sortBy(QStringLiteral("treadDate"))
        .sortBy(QStringLiteral("distance"))
        .sortBy(QStringLiteral("date"));
    qsizetype ahead = 0; // the stops before it are reached
    double total = 0;
    int count = 0;
    const auto walk = [&](FetchRequest &request) {
        request.setPropertiesToFetch({QStringLiteral("distance"), QStringLiteral("date")});
        return context.forEach(
            request,
            [&](const QVariantList &values) {
                total += NumberReading::leadingNumber(values.at(0).toString());
                ++count;
                // Reached stops are always a head of the route order: only that head can grow.
                if (ahead == stops.size())
                    return;
                const RouteLegs::Position at = RouteLegs::positionAt(total);
                while (ahead < stops.size() && isReached(stops.at(ahead), at)) {
                    Stop &stop = stops[ahead++];
                    stop.date = values.at(1).toString();
                    reached.append(stop);
                }
            },
            error);
    };
    const bool read = walk(undated) && walk(dated);
    totalMiles = total;
    sessionCount = count;
    // Ahead is counted from where the total stands now, as on the map: after a total that went
    // back, a stop reached before can be ahead again.
    const RouteLegs::Position now = RouteLegs::positionAt(total);
    for (const Stop &stop : std::as_const(stops)) {
        if (!isReached(stop, now)) {
            next = stop;
            next->date.clear();
            break;
        }
    }
    return read;
}
