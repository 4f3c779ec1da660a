#pragma once

#include "summary/StyledText.h"

#include <QString>
#include <array>

// The printed totals: the texts the totals screen shows, as one styled text. It copies the
// texts as they are and computes nothing.
class TotalsReport {
public:
    // Calories, fat calories, distance and laps of one block, as the fields show them.
    using Block = std::array<QString, 4>;

    struct Texts {
        QString todaysDate;
        QString ltdHeader;
        Block ltd, ytd, mtd;
        QString routeExplanation;
        std::array<QString, 4> legCaptions; // SLC, Seattle, Bangor, Miami
        std::array<QString, 4> legStatus;
    };

    static StyledText build(const Texts &texts);
};
