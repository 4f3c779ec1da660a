#include "route/RouteProgress.h"

#include "model/Context.h"
#include "platform/Formatting.h"
#include "route/RouteLegs.h"

bool RouteProgress::computeLeg() {
    const RouteLegs::Position at = RouteLegs::positionAt(totalMiles);
    if (at.leg >= RouteLegs::all().size())
        return false;
    const RouteLeg &leg = RouteLegs::all().at(at.leg);
    fromCity = leg.key;
    milesFromCity = at.milesFromCity;
    line = QStringLiteral("Miles from ") + fromCity + QLatin1Char(' ') + number(milesFromCity) +
           QStringLiteral(" : ") + number(leg.length - milesFromCity) + QStringLiteral(" To ") +
           RouteLegs::next(leg).key;
    return true;
}

bool RouteProgress::findNextPlace(Context &context) {
    locationList.clear();
    if (const RouteLeg *leg = RouteLegs::byKey(fromCity)) {
        FetchRequest request = RouteLegs::placesOn(*leg);
        request.where(leg->distanceKey + QStringLiteral(" > %lf"), milesFromCity);
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
