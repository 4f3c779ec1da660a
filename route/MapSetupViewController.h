#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// The route set-up: five cities in route order, each with a name, a latitude and a longitude,
// kept in the one MainLocations record.
class MapSetupViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *StartingCityTextField READ StartingCityTextField CONSTANT)
    Q_PROPERTY(Outlet *StartingCityLatitudeTextField READ StartingCityLatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *StartingCityLongitudeTextField READ StartingCityLongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City2TextField READ City2TextField CONSTANT)
    Q_PROPERTY(Outlet *City2LatitudeTextField READ City2LatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City2LongitudeTextField READ City2LongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City3TextField READ City3TextField CONSTANT)
    Q_PROPERTY(Outlet *City3LatitudeTextField READ City3LatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City3LongitudeTextField READ City3LongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City4TextField READ City4TextField CONSTANT)
    Q_PROPERTY(Outlet *City4LatitudeTextField READ City4LatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *City4LongitudeTextField READ City4LongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *FinishingCityTextField READ FinishingCityTextField CONSTANT)
    Q_PROPERTY(Outlet *FinishingCityLatitudeTextField READ FinishingCityLatitudeTextField CONSTANT)
    Q_PROPERTY(
        Outlet *FinishingCityLongitudeTextField READ FinishingCityLongitudeTextField CONSTANT)
public:
    explicit MapSetupViewController(QObject *parent = nullptr);

    Outlet *StartingCityTextField() const { return m_fields[0]; }
    Outlet *StartingCityLatitudeTextField() const { return m_fields[1]; }
    Outlet *StartingCityLongitudeTextField() const { return m_fields[2]; }
    Outlet *City2TextField() const { return m_fields[3]; }
    Outlet *City2LatitudeTextField() const { return m_fields[4]; }
    Outlet *City2LongitudeTextField() const { return m_fields[5]; }
    Outlet *City3TextField() const { return m_fields[6]; }
    Outlet *City3LatitudeTextField() const { return m_fields[7]; }
    Outlet *City3LongitudeTextField() const { return m_fields[8]; }
    Outlet *City4TextField() const { return m_fields[9]; }
    Outlet *City4LatitudeTextField() const { return m_fields[10]; }
    Outlet *City4LongitudeTextField() const { return m_fields[11]; }
    Outlet *FinishingCityTextField() const { return m_fields[12]; }
    Outlet *FinishingCityLatitudeTextField() const { return m_fields[13]; }
    Outlet *FinishingCityLongitudeTextField() const { return m_fields[14]; }

    Q_INVOKABLE void viewDidLoad();
    // Saves the fields into the record and returns to the map; a coordinate that is not a
    // number stops the save with a message naming the field.
    Q_INVOKABLE void SaveButtonCicked();

    // Row n (1..5): its name, latitude and longitude fields.
    Outlet *nameField(int n) const { return m_fields[(n - 1) * 3]; }
    Outlet *latitudeField(int n) const { return m_fields[(n - 1) * 3 + 1]; }
    Outlet *longitudeField(int n) const { return m_fields[(n - 1) * 3 + 2]; }

private:
    Outlet *m_fields[15];
};
