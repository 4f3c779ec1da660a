#pragma once

#include "model/Locations.h"
#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>
#include <QVariant>

// The edit screen of one place, handed over by the place list. Saving finds the place again by
// the name and leg it had when the screen was filled, so renaming and moving to another leg
// both work; it always goes back to the list.
class EditLocationViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant detailItem READ detailItem WRITE setDetailItem NOTIFY detailItemChanged)
    Q_PROPERTY(Outlet *CityNameTextField READ CityNameTextField CONSTANT)
    Q_PROPERTY(Outlet *LatitudeTextField READ LatitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *LongitudeTextField READ LongitudeTextField CONSTANT)
    Q_PROPERTY(Outlet *FromCityTextField READ FromCityTextField CONSTANT)
    Q_PROPERTY(Outlet *MilesFromTextField READ MilesFromTextField CONSTANT)
public:
    explicit EditLocationViewController(QObject *parent = nullptr);

    // The place being edited (a Record of Locations); setting it fills the fields.
    QVariant detailItem() const;
    void setDetailItem(const QVariant &item);

    Outlet *CityNameTextField() const { return m_cityNameTextField; }
    Outlet *LatitudeTextField() const { return m_latitudeTextField; }
    Outlet *LongitudeTextField() const { return m_longitudeTextField; }
    Outlet *FromCityTextField() const { return m_fromCityTextField; }
    Outlet *MilesFromTextField() const { return m_milesFromTextField; }

    Q_INVOKABLE void viewDidLoad();
    // Writes the fields to the one place with the remembered name and leg, when the leg typed
    // is one of the keys (letter case included); a number field that is not a number is
    // cleared. Then back to the list in every case.
    Q_INVOKABLE void SaveLocation();

signals:
    void detailItemChanged();

private:
    void configureView();

    Outlet *m_cityNameTextField;
    Outlet *m_latitudeTextField;
    Outlet *m_longitudeTextField;
    Outlet *m_fromCityTextField;
    Outlet *m_milesFromTextField;

    Locations m_detailItem{Record()};
    // The name and leg as filled in; they identify the place again at save time.
    QString m_cName;
    QString m_fCity;
};
