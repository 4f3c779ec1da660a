#pragma once

#include "model/Locations.h"

#include <QList>
#include <QString>

class Context;

// Where the logged distance puts the user on the virtual route: the leg, the miles from its
// start city, the progress line and the next listed place ahead. Pure store arithmetic, so
// the map screen only shows its results.
class RouteProgress {
public:
    // totalMiles and recordCount come from the journey's walk over the sessions (Journey), so
    // the map and the journey share one running total.

    // Finds the leg for totalMiles and writes fromCity, milesFromCity and line. Above the
    // loop's 8288 miles nothing changes and false is returned.
    bool computeLeg();
    // Queries the current leg's places beyond milesFromCity into locationList and, unless
    // totalMiles sits exactly on 2448, 3288 or 6445 or at 8288 and beyond, takes the first as
    // the next place ahead. Returns whether it did.
    bool findNextPlace(Context &context);

    // The progress line's numbers: at most two decimals, no grouping, half-even rounding,
    // the locale's decimal mark.
    static QString number(double value);

    double totalMiles = 0;
    int recordCount = 0;
    QString fromCity;
    double milesFromCity = 0;
    QString line; // empty until a leg was found
    QList<Locations> locationList;
    QString currentCity;
    double latitude = 0;
    double longitude = 0;
    bool hasNextPlace = false;
};
