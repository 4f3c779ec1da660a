#include "route/EditLocationViewController.h"

#include "model/AppDelegate.h"
#include "model/SaveFailureAlert.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"
#include "route/RouteLegs.h"

#include <QDebug>

namespace {

// The text read as a number, or no value (stored as cleared) when it is not one.
QVariant numberOrCleared(const QString &text) {
    const auto value = NumberReading::wholeFloat(text);
    return value ? QVariant(*value) : QVariant();
}

// Absent texts match nothing in the lookup, as an absent name or leg should.
QVariant lookupArgument(const QString &text) {
    return text.isNull() ? QVariant() : QVariant(text);
}

} // namespace

EditLocationViewController::EditLocationViewController(QObject *parent)
    : QObject(parent), m_cityNameTextField(new Outlet(this)), m_latitudeTextField(new Outlet(this)),
      m_longitudeTextField(new Outlet(this)), m_fromCityTextField(new Outlet(this)),
      m_milesFromTextField(new Outlet(this)) {
    m_cityNameTextField->setEditFilter(Outlet::acceptsLineText);
}

QVariant EditLocationViewController::detailItem() const {
    return m_detailItem.isValid() ? QVariant::fromValue<Record>(m_detailItem) : QVariant();
}

void EditLocationViewController::setDetailItem(const QVariant &item) {
    const Record record = item.canConvert<Record>() ? item.value<Record>() : Record();
    const bool place = record.isValid() && record.entityName() == QLatin1String("Locations");
    m_detailItem = Locations(place ? record : Record());
    configureView();
    emit detailItemChanged();
}

void EditLocationViewController::viewDidLoad() {
    configureView();
}

void EditLocationViewController::configureView() {
    if (!m_detailItem.isValid())
        return;
    const QVariant name = m_detailItem.value(QStringLiteral("name"));
    m_cName = name.isNull() ? QString() : name.toString();
    m_cityNameTextField->setText(m_cName);
    m_latitudeTextField->setText(Formatting::shortestFloat(m_detailItem.latitude()));
    m_longitudeTextField->setText(Formatting::shortestFloat(m_detailItem.longitude()));
    const QVariant fromCity = m_detailItem.value(QStringLiteral("fromCity"));
    m_fCity = fromCity.isNull() ? QString() : fromCity.toString();
    m_fromCityTextField->setText(m_fCity);
    if (const RouteLeg *leg = RouteLegs::byKey(m_fCity))
        m_milesFromTextField->setText(
            Formatting::shortestFloat(m_detailItem.value(leg->distanceKey).toFloat()));
}

void EditLocationViewController::SaveLocation() {
    Context &managedObjectContext = AppDelegate::shared()->persistentContainer();
    FetchRequest request = Locations::fetchRequest();
    request.where(QStringLiteral("name == %@"), lookupArgument(m_cName))
        .where(QStringLiteral("fromCity == %@"), lookupArgument(m_fCity));
    QString error;
    QList<Locations> results = managedObjectContext.fetchAs<Locations>(request, &error);
    if (!error.isEmpty())
        qWarning().noquote() << error;
    const RouteLeg *leg = RouteLegs::byKey(m_fromCityTextField->text());
    // Two places with one name on one leg cannot be told apart, so neither is changed.
    if (results.size() == 1 && leg) {
        Locations &place = results.first();
        place.setName(m_cityNameTextField->text());
        place.setValue(QStringLiteral("latitude"), numberOrCleared(m_latitudeTextField->text()));
        place.setValue(QStringLiteral("longitude"), numberOrCleared(m_longitudeTextField->text()));
        place.setFromCity(leg->key);
        place.setValue(leg->distanceKey, numberOrCleared(m_milesFromTextField->text()));
        managedObjectContext.change(place);
        if (!managedObjectContext.save(&error)) {
            qWarning().noquote() << error;
            SaveFailureAlert::present(this, error);
        }
    }
    qInfo().noquote() << "Back button Clicked";
    Navigator::instance()->performSegue(QStringLiteral("unwindToLocations"));
}
