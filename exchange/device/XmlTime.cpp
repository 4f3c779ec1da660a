#include "exchange/device/XmlTime.h"

#include <QTimeZone>

QDateTime xmlTime(const QString &text) {
    QDateTime moment = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    if (!moment.isValid())
        return {};
    if (moment.timeSpec() == Qt::LocalTime)
        moment.setTimeSpec(Qt::UTC);
    return moment.toUTC();
}
