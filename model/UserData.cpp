#include "model/UserData.h"

#include "model/Entity.h"
#include "platform/NumberReading.h"

namespace {

const char *const LineKeys[UserData::LineFieldCount] = {
    "date", "calories", "fatCalories", "distance", "laps", "year", "imonth", "iday"};
constexpr qsizetype FirstNumberField = 6;

} // namespace

UserData::UserData() : Record(Entity::named(QStringLiteral("UserData"))) {}

QString UserData::lineKey(qsizetype index) {
    return QLatin1String(LineKeys[index]);
}

void UserData::setLineField(qsizetype index, const QString &field) {
    if (index < FirstNumberField)
        setValue(lineKey(index), field);
    else if (const auto number = NumberReading::int16(field))
        setValue(lineKey(index), qint64(*number));
}

void UserData::setTreadDate(const QDateTime &moment) {
    setValue(QStringLiteral("treadDate"), moment);
    const QDate day = moment.toLocalTime().date();
    setYear(QString::number(day.year()));
    setIyear(qint16(day.year()));
    setImonth(day.month());
    setIday(day.day());
}
