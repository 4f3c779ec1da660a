#pragma once

#include <QString>

class YearlyData;

// The text of one row of the yearly summary.
struct YearlyTableViewCell {
    // "Year = 2023      Miles = 2448.0" (or "      km = "); the sum is the shortest text of its
    // 32-bit float. A record for year 0 leaves the label as it is: no text.
    static QString DateLabel(const YearlyData &record, bool miles);
};
