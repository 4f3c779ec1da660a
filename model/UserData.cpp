#include "model/UserData.h"

#include "model/Entity.h"

UserData::UserData() : Record(Entity::named(QStringLiteral("UserData"))) {}

void UserData::setTreadDate(const QDateTime &moment) {
    setValue(QStringLiteral("treadDate"), moment);
    const QDate day = moment.toLocalTime().date();
    setYear(QString::number(day.year()));
    setIyear(qint16(day.year()));
    setImonth(day.month());
    setIday(day.day());
}
