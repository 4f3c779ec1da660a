#include "summary/YearlyTableViewCell.h"

#include "model/YearlyData.h"
#include "platform/Formatting.h"

QString YearlyTableViewCell::DateLabel(const YearlyData &record, bool miles) {
    if (record.year() == 0)
        return QString();
    return QStringLiteral("Year = ") + QString::number(record.year()) +
           (miles ? QStringLiteral("      Miles = ") : QStringLiteral("      km = ")) +
           Formatting::shortestFloat(record.sumMiles());
}
