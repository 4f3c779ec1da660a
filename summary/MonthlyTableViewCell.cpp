#include "summary/MonthlyTableViewCell.h"

#include "platform/Formatting.h"

MonthlyTableViewCell MonthlyTableViewCell::forMonth(const QString &monthName, qint64 year,
                                                    double sum, bool miles) {
    QString figure = Formatting::decimal(sum, 3, 3, false);
    if (figure.isEmpty())
        figure = QStringLiteral("0");
    return {monthName + QLatin1Char(' ') + QString::number(year),
            (miles ? QStringLiteral("Miles = ") : QStringLiteral("km = ")) + figure};
}
