#include "route/RouteProgress.h"

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"
#include "route/RouteLegs.h"

namespace {

// One row of the leg table. The constants are the route's own, quirks included: the last three
// legs add 5 miles, the Bangor leg starts above 6545 but counts from 6445 and down from 1843,
// and the Seattle leg counts down from 3302.
struct LegRule {
    double upTo;     // the leg applies while T is at most this
    double start;    // subtracted from T
    double added;    // added to the distance on the leg
    double length;   // miles to go are counted down from this
    const char *key; // the leg's start city
    const char *end; // the city it leads to
};

constexpr LegRule Rules[] = {
    {2448, 0, 0, 2448, "Miami", "SLC"},
    {3288, 2448, 5, 840, "SLC", "Seattle"},
    {6545, 3288, 5, 3302, "Seattle", "Bangor"},
    {8288, 6445, 5, 1843, "Bangor", "Miami"},
};

} // namespace

void RouteProgress::computeTotal(Context &context) {
    FetchRequest request = UserData::fetchRequest();
    request.sortBy(QStringLiteral("date"));
    double total = 0;
    for (const QVariant &distance : context.fetchValues(request, QStringLiteral("distance")))
        total += NumberReading::leadingNumber(distance.toString());
    const int count = context.count(request);
    if (count >= 0)
        recordCount = count;
    totalMiles = total;
}

bool RouteProgress::computeLeg() {
    for (const LegRule &rule : Rules) {
        if (totalMiles > rule.upTo)
            continue;
        fromCity = QString::fromLatin1(rule.key);
        milesFromCity = totalMiles - rule.start + rule.added;
        line = QStringLiteral("Miles from ") + fromCity + QLatin1Char(' ') + number(milesFromCity) +
               QStringLiteral(" : ") + number(rule.length - milesFromCity) +
               QStringLiteral(" To ") + QString::fromLatin1(rule.end);
        return true;
    }
    return false;
}

bool RouteProgress::findNextPlace(Context &context) {
    locationList.clear();
    const QString distanceKey = RouteLegs::distanceKeyFor(fromCity);
    if (!distanceKey.isEmpty()) {
        FetchRequest request = Locations::fetchRequest();
        request.where(QStringLiteral("fromCity == %@"), fromCity)
            .where(distanceKey + QStringLiteral(" > %lf"), milesFromCity)
            .sortBy(distanceKey);
        locationList = context.fetchAs<Locations>(request);
    }
    const bool onACity = totalMiles == 2448 || totalMiles == 3288 || totalMiles == 6445;
    if (locationList.isEmpty() || onACity || totalMiles >= 8288)
        return false;
    const Locations &next = locationList.first();
    latitude = double(next.latitude());
    longitude = double(next.longitude());
    currentCity = next.name();
    hasNextPlace = true;
    return true;
}

QString RouteProgress::number(double value) {
    return Formatting::decimal(value, 0, 2, false);
}
