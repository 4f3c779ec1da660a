#include "route/RouteLegs.h"

#include "model/Locations.h"

const QList<RouteLeg> &RouteLegs::all() {
    static const QList<RouteLeg> legs{
        {QStringLiteral("Miami"), QStringLiteral("milesFromMiami"), QStringLiteral("Miami, FL"),
         25.761681, -80.191788, 2448, 0, 0, 2448},
        {QStringLiteral("SLC"), QStringLiteral("milesFromSLC"),
         QStringLiteral("Salt Lake City, UT"), 40.76078, -111.891045, 3288, 2448, 5, 840},
        {QStringLiteral("Seattle"), QStringLiteral("milesFromSeattle"),
         QStringLiteral("Seattle, WA"), 47.606209, -122.332069, 6545, 3288, 5, 3302},
        {QStringLiteral("Bangor"), QStringLiteral("milesFromBangor"), QStringLiteral("Bangor, ME"),
         44.801601, -68.771332, 8288, 6445, 5, 1843},
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

FetchRequest RouteLegs::placesOn(const RouteLeg &leg) {
    FetchRequest request = Locations::fetchRequest();
    request.where(QStringLiteral("fromCity == %@"), leg.key)
        .sortBy(leg.distanceKey)
        .sortBy(QStringLiteral("name"))
        .sortBy(QStringLiteral("latitude"))
        .sortBy(QStringLiteral("longitude"));
    return request;
}

QString RouteLegs::distanceKeyFor(const QString &legKey) {
    const RouteLeg *leg = byKey(legKey);
    return leg ? leg->distanceKey : QString();
}

RouteLegs::Position RouteLegs::positionAt(double total) {
    const QList<RouteLeg> &legs = all();
    for (qsizetype i = 0; i < legs.size(); ++i) {
        const RouteLeg &leg = legs.at(i);
        if (total > leg.upTo)
            continue;
        return {i, total - leg.start + leg.added};
    }
    return {legs.size(), 0};
}
