#pragma once

#include "route/RouteLegs.h"

#include <QList>
#include <QString>
#include <optional>

class Context;

// The story behind the map's progress: which cities and places the logged sessions reached and
// on which session, walking the sessions in treadDate order over the running total T with the
// map's own leg and M (RouteLegs::positionAt), so the journey, the map's next place ahead and
// its progress line never disagree.
class Journey {
public:
    // A city or place on the route, in route order: each leg's places by their distance on the
    // leg, then the city the leg ends at.
    struct Stop {
        QString name;
        qsizetype leg = 0; // the leg (index in RouteLegs::all()) it lies on or, a city, ends
        bool city = false;
        double mark = 0; // a place's distance on its leg
        QString date;    // the date text of the session that reached it
    };

    // Reads the places and then every session once, oldest treadDate first. False when a read
    // failed; what was read until then stays.
    bool compute(Context &context, QString *error = nullptr);

    // Whether the map's position reaches the stop: its leg lies beyond the stop's leg, or is that
    // leg with M at or past the place's distance. M is taken in the places' 32-bit precision, as
    // the map's query for the next place ahead compares it.
    static bool isReached(const Stop &stop, const RouteLegs::Position &at);
    // The running total at which the stop gets reached and whether T must go beyond it (a city,
    // a leg's start) rather than only meet it.
    struct Mark {
        double total = 0;
        bool beyond = false;
    };
    static Mark markOf(const Stop &stop);

    // The stops reached, oldest first; those one session reached in route order.
    QList<Stop> reached;
    // The first stop in route order that the total as it stands now does not reach; none once
    // the whole loop is done.
    std::optional<Stop> next;
    double totalMiles = 0;
    int sessionCount = 0;

private:
    bool readStops(Context &context, QList<Stop> &stops, QString *error);
};
