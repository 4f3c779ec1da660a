#pragma once

#include <QSqlDatabase>
#include <QString>

// The SQL aggregate leadingsum(text): the sum, in double precision, of the leading decimal
// number of each text (NumberReading::leadingNumber; 0 for a text without one or an absent
// value). Registered on each store connection so that totals are summed where the rows are.
class LeadingNumberSum {
public:
    static bool registerOn(QSqlDatabase &db, QString *error);
};
