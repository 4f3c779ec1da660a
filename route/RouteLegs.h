#pragma once

#include <QList>
#include <QString>

// One leg of the loop, named by the city it starts at.
struct RouteLeg {
    QString key;         // the fromCity value of the leg's places: "Miami", "SLC", ...
    QString distanceKey; // the Locations attribute that carries a place's miles on this leg
    QString city;        // the start city as shown to a person
    double latitude;
    double longitude;
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
};
