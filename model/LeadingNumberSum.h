#pragma once

#include <QSqlDatabase>
#include <QString>

// The SQL aggregate leadingsum(text): the sum, in double precision, of the leading decimal
// number of each text (NumberReading::leadingNumber; 0 for a text without one or an absent
// value). Registered on each store connection so that totals are summed where the rows are.
// Double addition is not associative, so orderedleadingsums(directions, key..., text...) adds
// up in a given order: `directions` holds 'a' (ascending) or 'd' (descending) for each key
// that follows; the result is a blob of one double per text, the sums in the order of the keys
// (ties in the order the rows came). Sorting in the function is cheaper than SQLite's sorter.
class LeadingNumberSum {
public:
    static bool registerOn(QSqlDatabase &db, QString *error);
};
