#pragma once

#include <QObject>

// The device's position service. A desktop has no satellite receiver: the shared provider
// reports the position given in PACELOG_LOCATION ("latitude,longitude") once updates start,
// and an update without a position when none is given. Tests install their own.
class LocationProvider : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static LocationProvider *shared();
    // Replaces the shared provider (tests); nullptr restores the desktop one.
    static void setShared(LocationProvider *provider);

    virtual void requestWhenInUseAuthorization() {}
    virtual void startUpdatingLocation();
    virtual void stopUpdatingLocation();
    bool isUpdating() const { return m_updating; }

signals:
    // `valid` is false when the update carries no position.
    void didUpdateLocation(double latitude, double longitude, bool valid);

protected:
    bool m_updating = false;
};
