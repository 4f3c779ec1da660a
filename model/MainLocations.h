#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

// The route set-up: five cities in route order, cityN Name / latitude / longitude.
class MainLocations : public Record {
public:
    MainLocations();
    explicit MainLocations(const Record &record) : Record(record) {}

    static FetchRequest fetchRequest() { return FetchRequest(QStringLiteral("MainLocations")); }

    QString cityName(int n) const { return text(key(n, "Name")); }
    void setCityName(int n, const QString &v) { setValue(key(n, "Name"), v); }
    float cityLatitude(int n) const { return float32(key(n, "latitude")); }
    void setCityLatitude(int n, float v) { setValue(key(n, "latitude"), v); }
    float cityLongitude(int n) const { return float32(key(n, "longitude")); }
    void setCityLongitude(int n, float v) { setValue(key(n, "longitude"), v); }

private:
    static QString key(int n, const char *part) {
        return QStringLiteral("city") + QString::number(n) + QLatin1String(part);
    }
};
