#pragma once

#include <QString>
#include <array>
#include <optional>

// The fixed loop Miami -> SLC -> Seattle -> Bangor -> Miami as the totals screen reports it:
// for each leg, whether the life-to-date distance has passed its end city or how far is left.
class TotalsRoute {
public:
    struct Leg {
        bool completed = false;
        double toGo = 0;
    };
    using Legs = std::array<Leg, 4>; // the legs ending in SLC, Seattle, Bangor and Miami

    // Miles for "Miles", kilometres for "Kilometers"; no answer for any other unit.
    static std::optional<Legs> legs(double distance, const QString &unit);

    static std::array<QString, 4> captions(bool miles);
    static QString explanation(bool miles);
};
