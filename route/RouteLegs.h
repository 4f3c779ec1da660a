#pragma once

#include "model/FetchRequest.h"

#include <QList>
#include <QString>

// One leg of the loop, named by the city it starts at.
struct RouteLeg {
    QString key;         // the fromCity value of the leg's places: "Miami", "SLC", ...
    QString distanceKey; // the Locations attribute that carries a place's miles on this leg
    QString city;        // the start city as shown to a person
    double latitude;
    double longitude;
    // The map's progress rule over the running total T, the route's own constants, quirks
    // included: the leg applies while T is at most `upTo` (above the previous leg's), its
    // miles from the start city are T - start + added, and the miles to go count down from
    // `length`. The last three legs add 5 miles, the Bangor leg starts above 6545 but counts
    // from 6445 and down from 1843, and the Seattle leg counts down from 3302.
    double upTo;
    double start;
    double added;
    double length;
};

// The four legs of the virtual route in loop order: Miami, SLC, Seattle, Bangor, and back to
// Miami. Leg keys are compared exactly, letter case included.
class RouteLegs {
public:
    static const QList<RouteLeg> &all();
    // The leg with this key; nullptr for any other text (such a place is on no leg).
    static const RouteLeg *byKey(const QString &key);
    // The leg after this one, where it ends.
    static const RouteLeg &next(const RouteLeg &leg);
    // The distance attribute of the leg with this key; empty for any other text.
    static QString distanceKeyFor(const QString &legKey);
    // The places on a leg in route order: by their distance on it, places at the same distance
    // by name and position, so the map's next place and the journey always agree.
    static FetchRequest placesOn(const RouteLeg &leg);

    // Where a running total puts the map: the index in all() of the leg it lies on and M, its
    // miles from that leg's start city. Above the loop's 8288 miles the index is all().size()
    // (beyond every leg) and M is 0.
    struct Position {
        qsizetype leg = 0;
        double milesFromCity = 0;
    };
    static Position positionAt(double total);
};
