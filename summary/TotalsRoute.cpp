#include "summary/TotalsRoute.h"

namespace {

// Cumulative distance at each end city. The miles figures are the screen's own: 3328 and 6585
// rather than the sums of the leg lengths.
constexpr std::array<double, 4> MilesAt{2448, 3328, 6585, 8288};
constexpr std::array<double, 4> MilesLegLength{2448, 840, 3257, 1743};
constexpr std::array<double, 4> KilometersAt{3939.67, 5355.89, 10597.53, 13338.24};

} // namespace

std::optional<TotalsRoute::Legs> TotalsRoute::legs(double distance, const QString &unit) {
    Legs out;
    if (unit == QLatin1String("Miles")) {
        for (size_t i = 0; i < out.size(); ++i) {
            if (distance > MilesAt[i]) {
                out[i].completed = true;
            } else if (i == 0 || distance > MilesAt[i - 1]) {
                out[i].toGo = MilesAt[i] - distance;
            } else {
                // Not yet at the leg's start city (or exactly on it): the whole leg is ahead.
                out[i].toGo = MilesLegLength[i];
            }
        }
        return out;
    }
    if (unit == QLatin1String("Kilometers")) {
        // Every leg counts down from the current position to its own city.
        for (size_t i = 0; i < out.size(); ++i) {
            if (distance > KilometersAt[i])
                out[i].completed = true;
            else
                out[i].toGo = KilometersAt[i] - distance;
        }
        return out;
    }
    return std::nullopt;
}

std::array<QString, 4> TotalsRoute::captions(bool miles) {
    if (miles)
        return {QStringLiteral("Miles To SLC, UT = 2448"),
                QStringLiteral("Miles To Seattle, WA = 840"),
                QStringLiteral("Miles to Bangor ME = 3257"),
                QStringLiteral("Miles to Miami, FL = 1743")};
    return {
        QStringLiteral("km To SLC, UT = 3939.67"), QStringLiteral("km To Seattle, WA = 1351.85"),
        QStringLiteral("km to Bangor ME = 5241.63"), QStringLiteral("km to Miami, FL = 2805.08")};
}

QString TotalsRoute::explanation(bool miles) {
    return miles ? QStringLiteral("Starting City = Miami, FL Destination City = Miami, FL  (via: "
                                  "SLC, Seattle, Bangor) Total Miles = 8,288")
                 : QStringLiteral("Starting City = Miami, FL Destination City = Miami, FL  (via: "
                                  "SLC, Seattle, Bangor) Total km = 13,338.24");
}
