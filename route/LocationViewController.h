#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>
#include <QStringList>

// The add screen of the place list: a name, coordinates, the leg picked from the four leg keys
// and the miles from that leg's start city, inserted as a new place.
class LocationViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *CityNameTextField READ CityNameTextField CONSTANT)
    Q_PROPERTY(Outlet *LatitudeTextField READ LatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *LongitudeTextField READ LongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *FromCityTextField READ FromCityTextField CONSTANT)
    Q_PROPERTY(Outlet *MileFromTextField READ MileFromTextField CONSTANT)
    Q_PROPERTY(QStringList Cities READ Cities CONSTANT)
public:
    explicit LocationViewController(QObject *parent = nullptr);

    Outlet *CityNameTextField() const { return m_cityNameTextField; }
    Outlet *LatitudeTextField() const { return m_latitudeTextField; }
    Outlet *LongitudeTextField() const { return m_longitudeTextField; }
    Outlet *FromCityTextField() const { return m_fromCityTextField; }
    Outlet *MileFromTextField() const { return m_mileFromTextField; }
    // The rows of CityPickerView: the leg keys in loop order.
    QStringList Cities() const;

    // CityPickerView's row was picked: its key goes into FromCityTextField.
    Q_INVOKABLE void pickerViewDidSelectRow(int row);
    // Inserts the place, or silently does nothing for an empty field or a leg that is not a
    // key; either way the screen goes back to the list. A coordinate or miles text that is not
    // a number is refused with an alert naming the field, and the screen stays.
    Q_INVOKABLE void SaveLocation();

private:
    Outlet *m_cityNameTextField;
    Outlet *m_latitudeTextField;
    Outlet *m_longitudeTextField;
    Outlet *m_fromCityTextField;
    Outlet *m_mileFromTextField;
};
