#include "route/LocationViewController.h"

#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "model/SaveFailureAlert.h"
#include "platform/AlertPresenter.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"
#include "route/RouteLegs.h"

#include <QDebug>
#include <optional>

LocationViewController::LocationViewController(QObject *parent)
    : QObject(parent), m_cityNameTextField(new Outlet(this)), m_latitudeTextField(new Outlet(this)),
      m_longitudeTextField(new Outlet(this)), m_fromCityTextField(new Outlet(this)),
      m_mileFromTextField(new Outlet(this)) {
    m_cityNameTextField->setEditFilter(Outlet::acceptsLineText);
}

QStringList LocationViewController::Cities() const {
    QStringList keys;
    for (const RouteLeg &leg : RouteLegs::all())
        keys << leg.key;
    return keys;
}

void LocationViewController::pickerViewDidSelectRow(int row) {
    const QStringList keys = Cities();
    if (row >= 0 && row < keys.size())
        m_fromCityTextField->setText(keys.at(row));
}

void LocationViewController::SaveLocation() {
    const bool complete =
        !m_cityNameTextField->text().isEmpty() && !m_latitudeTextField->text().isEmpty() &&
        !m_longitudeTextField->text().isEmpty() && !m_mileFromTextField->text().isEmpty();
    const RouteLeg *leg = RouteLegs::byKey(m_fromCityTextField->text());
    if (complete && leg) {
        const auto latitude = NumberReading::wholeFloat(m_latitudeTextField->text());
        const auto longitude = NumberReading::wholeFloat(m_longitudeTextField->text());
        const auto miles = NumberReading::wholeFloat(m_mileFromTextField->text());
        // Storing nothing for a mistyped number would put the place at 0, 0 silently.
        const char *unreadable = !latitude    ? "latitude"
                                 : !longitude ? "longitude"
                                 : !miles     ? "miles"
                                              : nullptr;
        if (unreadable) {
            AlertPresenter::instance()->present(
                this, QStringLiteral("Location Not Saved"),
                QStringLiteral("The %1 is not a number.").arg(QLatin1String(unreadable)));
            return;
        }
        Context &context = AppDelegate::shared()->persistentContainer();
        Locations place;
        place.setName(m_cityNameTextField->text());
        place.setLatitude(*latitude);
        place.setLongitude(*longitude);
        place.setValue(leg->distanceKey, *miles);
        place.setFromCity(leg->key);
        QString error;
        context.insert(place);
        if (!context.save(&error)) {
            qWarning().noquote() << error;
            SaveFailureAlert::present(this, error);
        }
    }
    qInfo().noquote() << "Back button Clicked";
    Navigator::instance()->performSegue(QStringLiteral("unwindToLocations"));
}
