#pragma once

#include <QString>

// The texts of one row of the monthly summary.
struct MonthlyTableViewCell {
    QString DateLabel;
    QString MilesLabel;

    // "March 2023" and "Miles = 12.500" (or "km = "): exactly three fraction digits, no
    // grouping, the decimal mark of the device locale.
    static MonthlyTableViewCell forMonth(const QString &monthName, qint64 year, double sum,
                                         bool miles);
};
