#include "route/RouteLegs.h"

const QList<RouteLeg> &RouteLegs::all() {
    static const QList<RouteLeg> legs{
        {QStringLiteral("Miami"), QStringLiteral("milesFromMiami"), QStringLiteral("Miami, FL"),
         25.761681, -80.191788},
        {QStringLiteral("SLC"), QStringLiteral("milesFromSLC"),
         QStringLiteral("Salt Lake City, UT"), 40.76078, -111.891045},
        {QStringLiteral("Seattle"), QStringLiteral("milesFromSeattle"),
         QStringLiteral("Seattle, WA"), 47.606209, -122.332069},
        {QStringLiteral("Bangor"), QStringLiteral("milesFromBangor"), QStringLiteral("Bangor, ME"),
         44.801601, -68.771332},
    };
    return legs;
}

const RouteLeg *RouteLegs::byKey(const QString &key) {
    for (const RouteLeg &leg : all()) {
        if (leg.key == key)
            return &leg;
    }
    return nullptr;
}

const RouteLeg &RouteLegs::next(const RouteLeg &leg) {
    const QList<RouteLeg> &legs = all();
    for (qsizetype i = 0; i < legs.size(); ++i) {
        if (legs.at(i).key == leg.key)
            return legs.at((i + 1) % legs.size());
    }
    return legs.first();
}

QString RouteLegs::distanceKeyFor(const QString &legKey) {
    const RouteLeg *leg = byKey(legKey);
    return leg ? leg->distanceKey : QString();
}
