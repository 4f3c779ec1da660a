#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

// Distance per calendar year, rebuilt by the yearly summary.
class YearlyData : public Record {
public:
    YearlyData();
    explicit YearlyData(const Record &record) : Record(record) {}

    static FetchRequest fetchRequest() { return FetchRequest(QStringLiteral("YearlyData")); }

    qint16 year() const { return int16(QStringLiteral("year")); }
    void setYear(qint16 v) { setValue(QStringLiteral("year"), int(v)); }
    qint16 imonth() const { return int16(QStringLiteral("imonth")); }
    void setImonth(qint16 v) { setValue(QStringLiteral("imonth"), int(v)); }
    float sumMiles() const { return float32(QStringLiteral("sumMiles")); }
    void setSumMiles(float v) { setValue(QStringLiteral("sumMiles"), v); }
};
