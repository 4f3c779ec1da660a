#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

// One logged treadmill session. Figures are kept as the texts the user typed.
class UserData : public Record {
public:
    UserData();
    explicit UserData(const Record &record) : Record(record) {}

    static FetchRequest fetchRequest() { return FetchRequest(QStringLiteral("UserData")); }

    QString calories() const { return text(QStringLiteral("calories")); }
    void setCalories(const QString &v) { setValue(QStringLiteral("calories"), v); }
    QString date() const { return text(QStringLiteral("date")); }
    void setDate(const QString &v) { setValue(QStringLiteral("date"), v); }
    QString distance() const { return text(QStringLiteral("distance")); }
    void setDistance(const QString &v) { setValue(QStringLiteral("distance"), v); }
    QString fatCalories() const { return text(QStringLiteral("fatCalories")); }
    void setFatCalories(const QString &v) { setValue(QStringLiteral("fatCalories"), v); }
    QString laps() const { return text(QStringLiteral("laps")); }
    void setLaps(const QString &v) { setValue(QStringLiteral("laps"), v); }
    QString year() const { return text(QStringLiteral("year")); }
    void setYear(const QString &v) { setValue(QStringLiteral("year"), v); }
    qint16 iyear() const { return int16(QStringLiteral("iyear")); }
    void setIyear(qint16 v) { setValue(QStringLiteral("iyear"), int(v)); }
    std::optional<qint64> imonth() const { return number(QStringLiteral("imonth")); }
    void setImonth(std::optional<qint64> v) { setNumber(QStringLiteral("imonth"), v); }
    std::optional<qint64> iday() const { return number(QStringLiteral("iday")); }
    void setIday(std::optional<qint64> v) { setNumber(QStringLiteral("iday"), v); }
    QDateTime treadDate() const { return dateTime(QStringLiteral("treadDate")); }

    // The fields of a session line in the exchange files, in order: date, calories, fat
    // calories, distance, laps, year text, month, day.
    static constexpr qsizetype LineFieldCount = 8;
    static QString lineKey(qsizetype index);
    // Sets the attribute of line field `index` (below LineFieldCount): a text as it stands; a
    // month or day only when it reads as a 16-bit number, otherwise it stays as it was.
    void setLineField(qsizetype index, const QString &field);

    // Sets treadDate and, in the same step, year, iyear, imonth and iday from it in the
    // device's calendar and time zone. treadDate is never written any other way.
    void setTreadDate(const QDateTime &moment);
};
