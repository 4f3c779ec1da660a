#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

// One place on the virtual route, on the leg named by its start city (fromCity).
class Locations : public Record {
public:
    Locations();
    explicit Locations(const Record &record) : Record(record) {}

    static FetchRequest fetchRequest() { return FetchRequest(QStringLiteral("Locations")); }

    QString name() const { return text(QStringLiteral("name")); }
    void setName(const QString &v) { setValue(QStringLiteral("name"), v); }
    QString fromCity() const { return text(QStringLiteral("fromCity")); }
    void setFromCity(const QString &v) { setValue(QStringLiteral("fromCity"), v); }
    float latitude() const { return float32(QStringLiteral("latitude")); }
    void setLatitude(float v) { setValue(QStringLiteral("latitude"), v); }
    float longitude() const { return float32(QStringLiteral("longitude")); }
    void setLongitude(float v) { setValue(QStringLiteral("longitude"), v); }
    float milesFromMiami() const { return float32(QStringLiteral("milesFromMiami")); }
    float milesFromSLC() const { return float32(QStringLiteral("milesFromSLC")); }
    float milesFromSeattle() const { return float32(QStringLiteral("milesFromSeattle")); }
    float milesFromBangor() const { return float32(QStringLiteral("milesFromBangor")); }
};
